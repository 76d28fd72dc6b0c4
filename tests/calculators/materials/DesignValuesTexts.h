#pragma once
// The headline texts the design-values boxes show right after a code is picked, shared by
// the unit and dialog tests.

namespace ferrolab::test {

inline const char* const kColdFormedSteel = "根据GB50018-2002 表4.2.1"
                                            "\r\n     抗拉、抗压、抗弯: 205.00 N/mm2,"
                                            "\r\n                 抗剪: 120.00 N/mm2,"
                                            "\r\n 端面承压（磨平顶紧）: 310.00 N/mm2";
inline const char* const kColdFormedWeld = "根据GB50018-2002 表4.2.4"
                                           "\r\n 对接焊缝抗压 fcw: 205 N/mm2"
                                           "\r\n 对接焊缝抗拉 ftw: 175 N/mm2"
                                           "\r\n 对接焊缝抗剪 fvw: 120 N/mm2"
                                           "\r\n 角焊缝抗压、抗拉、抗剪 ffw: 140 N/mm2";
inline const char* const kGB50017Steel = "根据GBJ17-88"
                                         "\r\n 抗拉、抗压、抗弯 : 215.00 N/mm2,"
                                         "\r\n \t \t抗剪 : 125.00 N/mm2,"
                                         "\r\n 端面承压（磨平顶紧）: 325.00 N/mm2";
inline const char* const kGB50017Weld = "对接焊缝抗压 fcw:  215 N/mm2"
                                        "\r\n一、二级焊缝质量对接焊缝抗拉 ftw:  215 N/mm2"
                                        "\r\n三级焊缝质量对接焊缝抗拉 ftw:  185 N/mm2"
                                        "\r\n            对接焊缝抗剪 fvw:  125 N/mm2"
                                        "\r\n  角焊缝抗压、抗拉、抗剪 ffw: 160 N/mm2";

} // namespace ferrolab::test
