#include <QCheckBox>
#include <QLineEdit>

#include "data_exchange.h"
#include "test_dialog.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

class DataExchangeTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dialog_.Create());
    }

    QLineEdit& Edit(int id) { return *qobject_cast<QLineEdit*>(dialog_.GetDlgItem(id)); }

    TestDialog dialog_{kOpenTemplate};
};

TEST_F(DataExchangeTest, OutWritesFifteenDigitsForDoublesAndSixForFloats) {
    struct Case {
        const char* name;
        double value;
        float result;
        const char* valueText;
        const char* resultText;
    };
    const Case cases[] = {
        {"thirds", 1.0 / 3.0, 1.0f / 3.0f, "0.333333333333333", "0.333333"},
        {"start-up Qts", 0.342, 0.342f, "0.342", "0.342"},
        {"large", 123456789.123456789, 31.341099f, "123456789.123457", "31.3411"},
        {"zero", 0.0, 0.0f, "0", "0"},
        {"exponent", 1e-20, 1e20f, "1e-20", "1e+20"},
    };
    for (const Case& c : cases) {
        dialog_.record.value = c.value;
        dialog_.record.result = c.result;
        EXPECT_TRUE(dialog_.UpdateData(false)) << c.name;
        EXPECT_EQ(dialog_.GetDlgItemText(kValueId), c.valueText) << c.name;
        EXPECT_EQ(dialog_.GetDlgItemText(kResultId), c.resultText) << c.name;
    }
}

// A narrow field scrolled to the end of a long number would show only its
// last digits; a field written by the exchange starts at its first character.
TEST_F(DataExchangeTest, OutShowsALongNumberFromItsLeadingDigits) {
    dialog_.record.value = 11.960629921212;
    Edit(kValueId).setText("1");  // the cursor at the end, as after typing
    dialog_.UpdateData(false);
    EXPECT_EQ(Edit(kValueId).cursorPosition(), 0);
}

TEST_F(DataExchangeTest, OutShowsFlagsAsCheckStateAndTextsAsTheyStand) {
    dialog_.record.flag = 1;
    dialog_.record.unit = " liters";
    dialog_.UpdateData(false);
    EXPECT_TRUE(dialog_.IsDlgButtonChecked(kFlagId));
    EXPECT_EQ(dialog_.GetDlgItemText(kUnitId), " liters");

    dialog_.record.flag = 0;
    dialog_.record.unit = "";
    dialog_.UpdateData(false);
    EXPECT_FALSE(dialog_.IsDlgButtonChecked(kFlagId));
    EXPECT_EQ(dialog_.GetDlgItemText(kUnitId), "");
}

TEST_F(DataExchangeTest, InTakesEveryFieldWhenAllParse) {
    dialog_.CheckDlgButton(kFlagId, true);
    dialog_.SetDlgItemText(kValueId, " 12.5\t");
    dialog_.SetDlgItemText(kResultId, "-3e2");
    dialog_.SetDlgItemText(kUnitId, " cm");
    dialog_.SetDlgItemText(kLaterId, "0");

    EXPECT_TRUE(dialog_.UpdateData(true));
    EXPECT_EQ(dialog_.record.flag, 1);
    EXPECT_EQ(dialog_.record.value, 12.5);
    EXPECT_EQ(dialog_.record.result, -300.0f);
    EXPECT_EQ(dialog_.record.unit, " cm");
    EXPECT_EQ(dialog_.record.later, 0.0);
    EXPECT_TRUE(services_.MessageBoxes().empty());
}

// What a field shows is what comes back: a float keeps 6 digits, a double 15.
TEST_F(DataExchangeTest, ReadingBackKeepsOnlyTheDigitsShown) {
    dialog_.record.value = 0.1 + 0.2;
    dialog_.record.result = 1.0f / 3.0f;
    dialog_.UpdateData(false);
    ASSERT_TRUE(dialog_.UpdateData(true));
    EXPECT_EQ(dialog_.record.value, 0.3);
    EXPECT_EQ(dialog_.record.result, 0.333333f);
}

TEST_F(DataExchangeTest, FailureShowsTheBoxAndSelectsTheBadField) {
    dialog_.record = {0, 1.0, 2.0f, "u", 3.0};
    dialog_.UpdateData(false);
    dialog_.CheckDlgButton(kFlagId, true);      // row 1, before the bad field
    dialog_.SetDlgItemText(kValueId, "7.5");    // row 2
    dialog_.SetDlgItemText(kResultId, "4x");    // row 3: does not parse
    dialog_.SetDlgItemText(kUnitId, "v");       // rows 4 and 5 after it
    dialog_.SetDlgItemText(kLaterId, "9");
    services_.ExpectMessageBox();

    EXPECT_FALSE(dialog_.UpdateData(true));

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    const ShownMessageBox& box = services_.MessageBoxes()[0];
    EXPECT_EQ(box.text, "Please enter a number.");
    EXPECT_EQ(box.caption, "ui_tests");
    EXPECT_EQ(box.flags, 0x30u);
    EXPECT_EQ(box.owner, &dialog_);
    EXPECT_EQ(dialog_.GetFocusId(), kResultId);
    EXPECT_EQ(Edit(kResultId).selectedText(), "4x");

    EXPECT_EQ(dialog_.record.flag, 1);
    EXPECT_EQ(dialog_.record.value, 7.5);
    EXPECT_EQ(dialog_.record.result, 2.0f);
    EXPECT_EQ(dialog_.record.unit, "u");
    EXPECT_EQ(dialog_.record.later, 3.0);
}

TEST_F(DataExchangeTest, EmptyFieldDoesNotParse) {
    dialog_.SetDlgItemText(kValueId, "");
    services_.ExpectMessageBox();
    EXPECT_FALSE(dialog_.UpdateData(true));
    EXPECT_EQ(dialog_.GetFocusId(), kValueId);
}

TEST_F(DataExchangeTest, OnlyTheFirstBadFieldIsReported) {
    dialog_.SetDlgItemText(kValueId, "a");
    dialog_.SetDlgItemText(kLaterId, "b");
    services_.ExpectMessageBox();
    EXPECT_FALSE(dialog_.UpdateData(true));
    EXPECT_EQ(services_.MessageBoxes().size(), 1u);
    EXPECT_EQ(dialog_.GetFocusId(), kValueId);
}

}  // namespace
}  // namespace resonara::testing
