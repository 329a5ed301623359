#include "NumEdit.h"
#include "printers.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(NumEditSetNumber, ClampsThenRoundsUnlessDecimal) {
    const struct {
        bool allowDecimal;
        double value;
        QString expected;
    } cases[] = {
        {false, 2.5, "3"},
        {false, 2.4, "2"},
        {false, -2.3, "-1"},
        {true, 2.5, "2.5"},
        {true, -2.3, "-2.3"},
        {false, -30, "-29"},
        {false, 5000, "1000"},
        {true, 1000.4, "1000"},
        {true, -5000, "-1000"},
        {false, -5000, "-999"},
        {true, std::numeric_limits<double>::quiet_NaN(), "-1000"},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        edit.setAllowDecimal(c.allowDecimal);
        edit.setNumber(c.value);
        EXPECT_EQ(edit.text(), c.expected) << c.value << (c.allowDecimal ? " decimal" : "");
    }
}

// The property setters work from the stored number: text typed since is overwritten.
TEST(NumEditSetters, RewriteTextFromStoredNumber) {
    using Action = std::function<void(TNumEdit&)>;
    const struct {
        const char* name;
        Action prepare;
        Action change;
        QString expected;
    } cases[] = {
        {"Max at or below Min is ignored", [](TNumEdit& e) { e.setMin(100); },
         [](TNumEdit& e) { e.setMax(50); }, "100"},
        {"lower Max clamps", [](TNumEdit& e) { e.setNumber(500); },
         [](TNumEdit& e) { e.setMax(200); }, "200"},
        {"higher Min clamps", [](TNumEdit& e) { e.setNumber(5); },
         [](TNumEdit& e) { e.setMin(100); }, "100"},
        {"Min at or above Max is ignored", [](TNumEdit& e) { e.setNumber(5); },
         [](TNumEdit& e) { e.setMin(2000); }, "5"},
        {"whole numbers round",
         [](TNumEdit& e) {
             e.setAllowDecimal(true);
             e.setNumber(2.5);
         },
         [](TNumEdit& e) { e.setAllowDecimal(false); }, "3"},
        {"decimals keep the number", [](TNumEdit& e) { e.setNumber(2); },
         [](TNumEdit& e) { e.setAllowDecimal(true); }, "2"},
        {"no minus mirrors without clamping",
         [](TNumEdit& e) {
             e.setAllowDecimal(true);
             e.setMax(20);
             e.setNumber(-30);
         },
         [](TNumEdit& e) { e.setAllowMinus(false); }, "30"},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        c.prepare(edit);
        edit.setText("777");
        c.change(edit);
        EXPECT_EQ(edit.text(), c.expected) << c.name;
    }
}

TEST(NumEditSetters, KeepMinBelowMax) {
    TNumEdit edit;
    edit.setMax(-1000);
    edit.setMin(1000);
    EXPECT_EQ(edit.Max(), 1000);
    EXPECT_EQ(edit.Min(), -1000);
}

// Reading Number takes the text as typed: first comma out, no clamping, no rounding.
TEST(NumEditNumber, ReadsTextDroppingFirstComma) {
    const QString zeros(299, u'0');
    const QString padding(200, u' ');
    const struct {
        QString text;
        double expected;
        QString textAfter;
    } cases[] = {
        {"1,500", 1500, "1500"},
        {"1,234,567", 1234, "1234,567"},
        {"5000", 5000, "5000"},
        {"-5000", -5000, "-5000"},
        {"2.7", 2.7, "2.7"},
        {"abc", 0, "abc"},
        {"", 0, ""},
        // Only the first 255 characters are read; longer text stays whole.
        {"1" + zeros, 1e254, "1" + zeros},
        {padding + "12" + padding + ",5", 12, padding + "12" + padding + ",5"},
        {padding + "1,2" + padding, 12, padding + "12" + padding},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        edit.setText(c.text);
        EXPECT_EQ(edit.Number(), c.expected) << c.text.toStdString();
        EXPECT_EQ(edit.text(), c.textAfter);
    }
}

TEST(NumEditNumber, ReadValueIsWhatSettersClamp) {
    TNumEdit edit;
    edit.setText("5000");
    edit.Number();
    edit.setText("1");
    edit.setMax(2000);
    EXPECT_EQ(edit.text(), "2000");
}

TEST(NumEditValidate, ClampsParsedTextWithoutRounding) {
    const struct {
        double min;
        double max;
        QString text;
        QString expected;
    } cases[] = {
        {100, 10000, "50", "100"},   {100, 10000, "20000", "10000"}, {100, 10000, "", "100"},
        {100, 10000, "abc", "100"},  {100, 10000, "0100", "100"},    {100, 10000, "0250", "250"},
        {-1000, 1000, "1,500", "1"}, {-1000, 1000, "2.5", "2.5"},    {-1000, 1000, "  -7x", "-7"},
        {-1000, 1000, "1e2", "100"}, {-1000, 1000, "1e999", "1000"}, {-1000, 1000, "", "0"},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        edit.setMax(c.max);
        edit.setMin(c.min);
        edit.setText(c.text);
        edit.ValidateNumber();
        EXPECT_EQ(edit.text(), c.expected)
            << c.text.toStdString() << " in " << c.min << ".." << c.max;
    }
}

TEST(NumEditChanged, FiresOnlyWhenTextChanges) {
    using Action = std::function<void(TNumEdit&)>;
    const struct {
        const char* name;
        Action action;
        int emissions;
    } steps[] = {
        {"new number", [](TNumEdit& e) { e.setNumber(15); }, 1},
        {"same number", [](TNumEdit& e) { e.setNumber(15); }, 0},
        {"same number after rounding", [](TNumEdit& e) { e.setNumber(15.2); }, 0},
        {"Max not reaching the number", [](TNumEdit& e) { e.setMax(500); }, 0},
        {"reading without comma", [](TNumEdit& e) { e.Number(); }, 0},
        {"validating a valid number", [](TNumEdit& e) { e.ValidateNumber(); }, 0},
        {"text with comma", [](TNumEdit& e) { e.setText("1,5"); }, 1},
        {"reading drops the comma", [](TNumEdit& e) { e.Number(); }, 1},
    };
    TNumEdit edit;
    QSignalSpy changed(&edit, &TNumEdit::changed);
    for (const auto& step : steps) {
        changed.clear();
        step.action(edit);
        EXPECT_EQ(changed.count(), step.emissions) << step.name;
    }
}

} // namespace
