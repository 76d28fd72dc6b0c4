#include "app/MainMenu.h"

#include "calculators/Commands.h"

namespace ferrolab {

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = {
        {"文件",
         0,
         {
             {"打开计算...", cmd::kOpenCalculation, {}},
         }},
        {"计算工具",
         0,
         {
             {"截面特性",
              0,
              {
                  {"工字、十字、矩形、T形", cmd::kBuiltUpSection, {}},
                  {"冷弯薄壁槽钢、Z形钢", cmd::kCFSectionProps, {}},
              }},
             {"螺栓及螺栓群", cmd::kBoltGroup, {}},
             {"设计指标", cmd::kDesignValues, {}},
             {"焊缝计算",
              0,
              {
                  {"角焊缝",
                   0,
                   {
                       {"承受弯矩、轴心力和剪力", cmd::kFilletWeldMnv, {}},
                       {"承受扭矩和剪力共同作用", cmd::kFilletWeldTorque, {}},
                   }},
              }},
         }},
        {"构件验算",
         0,
         {
             {"普钢构件",
              0,
              {
                  {"轴心受力", cmd::kAxialMember, {}},
                  {"受弯构件",
                   0,
                   {
                       {"H型钢、焊接工字形等截面", cmd::kWeldedBeamStability, {}},
                       {"轧制普通工字钢简支梁", cmd::kRolledIBeamStability, {}},
                       {"轧制槽钢简支梁", cmd::kChannelBeamStability, {}},
                       {"双轴对称工字形等截面悬臂梁", cmd::kCantileverBeam, {}},
                       {"稳定系数的近似计算", cmd::kApproxPhiB, {}},
                   }},
              }},
             {"冷弯薄壁构件",
              0,
              {
                  {"受弯构件的整体稳定系数", cmd::kCFFlexural, {}},
                  {"轴心受力构件", cmd::kCFAxial, {}},
              }},
             {"柱计算长度系数", cmd::kEffectiveLength, {}},
         }},
        {"抗震规范",
         0,
         {
             {"地震影响系数曲线", cmd::kSeismicCurve, {}},
         }},
        {"节点设计",
         0,
         {
             {"梁柱连接",
              0,
              {
                  {"单板、双板铰接", cmd::kPinnedJoint, {}},
                  {"支托铰接", cmd::kSeatedJoint, {}},
              }},
             {"梁拼接", cmd::kBeamSplice, {}},
             {"主次梁连接", cmd::kSecondaryBeam, {}},
             {"柱脚设计", cmd::kColumnBase, {}},
             {"钢管节点", cmd::kTubeJoint, {}},
         }},
        {"帮助(&H)",
         0,
         {
             {"关于 Ferrolab(&A)...", cmd::kAbout, {}},
             {"在线帮助", cmd::kOnlineHelp, {}},
         }},
        {"测试",
         0,
         {
             {"转化工字钢", cmd::kConvertIBeam, {}},
             {"转换槽钢参数", cmd::kConvertChannel, {}},
         }},
    };
    return menu;
}

} // namespace ferrolab
