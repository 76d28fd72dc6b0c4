// The bolts dialog and runner entry under GB50017-2017: the edition list renames the GB50017 of
// the code list and refills the faying surfaces, the hole type shows for friction-type bolts,
// the wire brush is refused on Q420, and a dialog opened later opens on the edition chosen last.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "calculators/connections/BoltConnectionDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

class BoltEditionTest : public DialogFixture<CBoltConnectionDlg> {
protected:
    std::string Capacity() { return Child<ReportBox>(&dlg, "capacity")->Report(); }
    QString Mu() { return Child<QLineEdit>(&dlg, "mu")->text(); }
    bool HoleShown() { return Child<QWidget>(&dlg, "holeRow")->isVisible(); }
};

TEST_F(BoltEditionTest, OrdinaryBoltsCiteTable4_4_6) {
    EXPECT_EQ(List("edition")->currentText(), "GB50017-2003");
    Pick(List("diameter"), "20");
    Pick(List("thicknessSum"), "10");
    EXPECT_NE(Capacity().find("-----根据GB50017 -2003表3.4.1-4----"), std::string::npos);

    Pick(List("edition"), "GB50017-2017");
    EXPECT_EQ(Items(List("code")), (Texts{"GB50017-2017", "GB50018-2002"}));
    EXPECT_EQ(List("code")->currentText(), "GB50017-2017");
    EXPECT_FALSE(HoleShown());
    // The code pick restarts the class list; the diameter and thickness stay picked.
    EXPECT_EQ(Capacity(), "螺纹处有效直径    de = 17.655mm\r\n"
                          "螺纹处有效截面积 Ae = 244.7963mm2\r\n"
                          "\r\n-----根据GB50017 -2017表4.4.6----\r\n"
                          "抗拉强度设计值 ftb =170.00N/mm2, \r\n"
                          "抗剪强度设计值 fvb =140.00N/mm2, \r\n"
                          "承压强度设计值 fcb =305.00N/mm2, \r\n"
                          "  根据式11.4.1-5，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = "
                          "41.6154kN\r\n"
                          "  根据式11.4.1-1，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) "
                          "=43.9823kN\r\n"
                          "  根据式11.4.1-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= "
                          "61.0000kN\r\n");
    // GB50018-2002 keeps its own table whatever the edition.
    Pick(List("code"), "GB50018-2002");
    EXPECT_NE(Capacity().find("-----根据GB50018 -2002表4.2.5----"), std::string::npos);

    const CBoltConnectionDlg next;
    EXPECT_EQ(Child<ChoiceList>(&next, "edition")->currentText(), "GB50017-2017");
    EXPECT_EQ(Child<ChoiceList>(&next, "code")->currentText(), "GB50017-2017");
    EXPECT_EQ(
        Items(Child<ChoiceList>(&next, "surface")),
        (Texts{"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)", "钢丝刷清除浮锈或未经处理的干净轧制面"}));
}

TEST_F(BoltEditionTest, FrictionTypeBoltsTakeTheHoleTypeAndRefuseTheWireBrushOnQ420) {
    Choose(List("edition"), 1);
    Pick(List("kind"), "摩擦型高强螺栓");
    EXPECT_TRUE(HoleShown());
    EXPECT_EQ(Items(List("surface")), (Texts{"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)",
                                             "钢丝刷清除浮锈或未经处理的干净轧制面"}));
    EXPECT_EQ(Items(List("hole")),
              (Texts{"标准孔", "大圆孔", "槽孔(内力与槽孔长向垂直)", "槽孔(内力与槽孔长向平行)"}));
    Pick(List("boltClass"), "10.9级");
    Pick(List("diameter"), "M20");
    Pick(List("shearPlanes"), "2");
    EXPECT_EQ(Mu(), "0.45");
    Pick(List("hole"), "大圆孔");
    EXPECT_EQ(Capacity(), "根据规范GB50017-2017之表11.4.2-2，高强螺栓预拉力设计值 P= 155kN  \r\n"
                          "摩擦面的抗滑移系数 μ= 0.45，孔型为大圆孔，孔型系数 k= 0.85  \r\n"
                          "根据式11.4.2-2，一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 124.00kN  \r\n"
                          "根据式11.4.2-1，一个高强螺栓的抗剪承载力 Nvb=0.9*k*n*μ*P= 106.72kN");
    EXPECT_TRUE(notices.notices().empty());

    // Q420 wire-brushed: no slip factor, a message, and the capacity is not recomputed.
    Pick(List("plateGrade"), "Q420");
    EXPECT_EQ(Mu(), "0.45");
    const std::string before = Capacity();
    Pick(List("surface"), "钢丝刷清除浮锈或未经处理的干净轧制面");
    EXPECT_TRUE(Mu().isEmpty());
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              InputError("GB50017-2017表11.4.2-1不允许Q420钢的摩擦面采用“钢丝刷清除浮锈或未经处理的"
                         "干净轧制面”，请选用其他处理方法"));
    EXPECT_EQ(Capacity(), before);
    // Q390 permits it: 0.35.
    Pick(List("plateGrade"), "Q390");
    EXPECT_EQ(Mu(), "0.35");
    // 0.9·0.85·2·0.35·155 = 83.0025
    EXPECT_NE(Capacity().find("Nvb=0.9*k*n*μ*P= 83.00kN"), std::string::npos);

    // Back to GB50017-2003: its four surfaces, no hole type, the 2003 wording.
    Pick(List("edition"), "GB50017-2003");
    EXPECT_FALSE(HoleShown());
    EXPECT_EQ(List("surface")->count(), 4);
    EXPECT_EQ(Capacity().rfind("根据规范GB50017-2003之表7.2.2-2", 0), 0u);
}

TEST(BoltEditionEntries, RunnerTakesTheEditionAndTheHoleType) {
    const CliRun slot =
        Call({"bolt-capacity", "edition=2017", "kind=摩擦型高强螺栓", "class=8.8级", "d=M24",
              "grade=Q345", "surface=抛丸(喷砂)", "hole=槽孔(内力与槽孔长向平行)"});
    EXPECT_EQ(slot.status, 0);
    EXPECT_EQ(slot.out, "根据规范GB50017-2017之表11.4.2-2，高强螺栓预拉力设计值 P= 175kN  \n"
                        "摩擦面的抗滑移系数 μ= 0.40，孔型为槽孔(内力与槽孔长向平行)，孔型系数 k= "
                        "0.60  \n"
                        "根据式11.4.2-2，一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 140.00kN  \n"
                        "根据式11.4.2-1，一个高强螺栓的抗剪承载力 Nvb=0.9*k*n*μ*P= 37.80kN\n");
    const CliRun brush = Call({"bolt-capacity", "edition=2017", "kind=摩擦型高强螺栓", "grade=Q420",
                               "surface=钢丝刷清除浮锈或未经处理的干净轧制面"});
    EXPECT_EQ(brush.status, 2);
    EXPECT_TRUE(brush.out.empty());
    EXPECT_NE(brush.err.find("不允许Q420钢的摩擦面"), std::string::npos);
    // A 2003 surface is no 2017 surface.
    EXPECT_EQ(
        Call({"bolt-capacity", "edition=2017", "kind=摩擦型高强螺栓", "surface=喷砂(丸)后生赤锈"})
            .status,
        64);
    // GB50017-2003 has no hole factor.
    EXPECT_EQ(Call({"bolt-capacity", "kind=摩擦型高强螺栓", "hole=大圆孔"}).out,
              Call({"bolt-capacity", "kind=摩擦型高强螺栓"}).out);
}

} // namespace
