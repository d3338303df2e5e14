#include "report/report_expression.h"
#include "report/report_units.h"
#include "report/report_value.h"

#include <gtest/gtest.h>

TEST(ReportUnits, DecimasAUnidadesRoundsHalvesToEven)
{
    EXPECT_EQ(DecimasAUnidades(70), 25);      // 25.2
    EXPECT_EQ(DecimasAUnidades(431.45), 155); // 155.322
    EXPECT_EQ(DecimasAUnidades(252.0), 91);   // 90.72
    EXPECT_EQ(DecimasAUnidades(28), 10);      // 10.08
    EXPECT_EQ(DecimasAUnidades(38), 14);      // 13.68
    EXPECT_EQ(DecimasAUnidades(12.5), 4);     // 4.5, to even
    EXPECT_EQ(DecimasAUnidades(37.5), 14);    // 13.5, to even
    EXPECT_EQ(DecimasAUnidades(-12.5), -4);
    EXPECT_EQ(DecimasAUnidades(15), 5);
    EXPECT_EQ(DecimasAUnidades(-20), -7);   // -7.2
    EXPECT_EQ(DecimasAUnidades(1610), 580); // 579.6
    EXPECT_EQ(DecimasAUnidades(1040), 374); // 374.4
}

TEST(ReportValue, TextForms)
{
    EXPECT_TRUE(TfrValue().IsEmpty());
    EXPECT_EQ(TfrValue().AsText(), "");
    EXPECT_EQ(TfrValue(42).AsText(), "42");
    EXPECT_TRUE(TfrValue(42).IsInteger());
    EXPECT_EQ(TfrValue("0").AsText(), "0");
    EXPECT_FALSE(TfrValue("").IsEmpty()); // an answered empty text is not "no answer"
}

TEST(ReportExpression, BracketedNamesAskTheLookup)
{
    auto lookup = [](const std::string &name) { return "<" + name + ">"; };
    EXPECT_EQ(ExpandExpression("[NBOLETO]/[TOTALBOLETOS]", lookup), "<NBOLETO>/<TOTALBOLETOS>");
    EXPECT_EQ(ExpandExpression("plain", lookup), "plain");
    EXPECT_EQ(ExpandExpression("", lookup), "");
    EXPECT_EQ(ExpandExpression("a [open", lookup), "a [open");
    EXPECT_EQ(ExpandExpression("[]", lookup), "<>");
    EXPECT_EQ(ExpandExpression("x]y[z]", lookup), "x]y<z>");
    EXPECT_EQ(ExpandExpression("[a[b]c]", lookup), "<a[b>c]");
}
