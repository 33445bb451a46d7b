// How the monkey drives the modal windows it opens and types into fields:
// the Box Calculator gets random texts, some "Calculate" presses and then
// Cancel, Esc or a close request; the About window ends by OK, Enter, Esc or
// a close request.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <span>

#include "about_dlg.h"
#include "box_calc_dlg.h"
#include "enclosure_dlg.h"
#include "monkey.h"
#include "monkey_texts.h"
#include "record_invariants.h"
#include "window_invariants.h"

namespace resonara::monkey {
namespace {

// The most actions in one opening of the Box Calculator before it is closed.
constexpr int kMostBoxActions = 8;

constexpr int kBoxFields[] = {kBoxVfEdit,     kBoxVrEdit,    kBoxPortVolumeEdit, kBoxAddlVfEdit,  kBoxAddlVrEdit,
                              kBoxTotalVfEdit, kBoxTotalVrEdit, kBoxTotalVolumeEdit, kBoxLengthEdit, kBoxWidthEdit,
                              kBoxFrontDepthEdit, kBoxRearDepthEdit};

// Printable ASCII is typed key by key; anything else ("µ", "½", tabs, line
// breaks) arrives by pasting, as it would from a user.
constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7E;

bool TypeableByKeys(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < kFirstPrintable || c.unicode() > kLastPrintable) return false;
    }
    return true;
}

void Click(const CDialog& dialog, int id) { static_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click(); }

QWidget* FocusOf(const CDialog& dialog) {
    QWidget* focus = dialog.Window()->focusWidget();
    return focus != nullptr ? focus : dialog.Window();
}

}  // namespace

// A click in the field, usually Ctrl+A so the text replaces what is there,
// then the text typed or pasted. Read-only fields take neither.
void Monkey::TypeInto(QLineEdit& edit) {
    const std::string text = RandomFieldText(dice_);
    const QString typed = QString::fromStdString(text);
    QTest::mouseClick(&edit, Qt::LeftButton);
    const bool replace = dice_.Chance(80);
    if (replace) QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    const bool byKeys = TypeableByKeys(typed) && dice_.Chance(50);
    Note(std::string(byKeys ? "types" : "pastes") + (replace ? " over it " : " ") + "\"" + text + "\"");
    if (byKeys) {
        QTest::keyClicks(&edit, typed);
    } else {
        QGuiApplication::clipboard()->setText(typed);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    }
}

void Monkey::DriveModal(CDialog& dialog) {
    if (QApplication::activeModalWidget() != dialog.Window()) {
        findings_.Add("\"" + std::string(dialog.Template().caption) + "\" opened without blocking the main window");
    }
    if (&dialog.Template() == &kBoxCalcTemplate) {
        DriveBoxCalculator(dialog);
    } else if (&dialog.Template() == &kAboutTemplate) {
        DriveAbout(dialog);
    } else {
        findings_.Add("unexpected modal window \"" + std::string(dialog.Template().caption) + "\"");
        dialog.EndDialog(IDCANCEL);
    }
}

// Opening and every "Calculate" end with a data exchange out, after which
// every field reads back and the labels are those of the main window's units.
void Monkey::DriveBoxCalculator(CDialog& box) {
    if (&box != &main_->BoxCalculator()) findings_.Add("a Box Calculator other than the main window's opened");
    const bool english = main_->Design().english;
    CheckBoxCalculatorLabels(box, english, findings_);
    CheckBoxFieldsReadBack(box, findings_);
    BoxCalcFields kept = main_->BoxCalculator().Fields();
    const int actions = dice_.Below(kMostBoxActions + 1);
    for (int i = 0; i < actions && !box.IsEnded(); ++i) {
        switch (dice_.Below(4)) {
            case 0:
            case 1: {
                const int id = dice_.Pick(std::span<const int>(kBoxFields));
                Note("box field " + std::to_string(id));
                TypeInto(*static_cast<QLineEdit*>(box.GetDlgItem(id)));
                break;
            }
            case 2:
                if (dice_.Chance(50)) {
                    Note("box Calculate");
                    Click(box, kBoxCalculateButton);
                } else {
                    Note("box Enter at control " + std::to_string(box.GetFocusId()));
                    QTest::keyClick(FocusOf(box), Qt::Key_Return);
                }
                if (box.IsEnded()) break;
                CheckBoxCalculatorLabels(box, english, findings_);
                CheckBoxFieldsReadBack(box, findings_);
                kept = main_->BoxCalculator().Fields();
                break;
            default:
                Note("box Tab");
                QTest::keyClick(FocusOf(box), Qt::Key_Tab);
                break;
        }
    }
    if (!box.IsEnded()) EndBoxCalculator(box);
    if (box.EndCode() != IDCANCEL) findings_.Add("the Box Calculator ended with " + std::to_string(box.EndCode()));
    CheckBoxFieldsUnchanged(kept, main_->BoxCalculator().Fields(), findings_);
}

void Monkey::EndBoxCalculator(CDialog& box) {
    switch (dice_.Below(4)) {
        case 0: Note("box Cancel"); Click(box, IDCANCEL); break;
        case 1: Note("box Esc"); QTest::keyClick(FocusOf(box), Qt::Key_Escape); break;
        case 2: Note("box close box"); box.Window()->close(); break;
        default: Note("box close request"); box.RequestClose(); break;
    }
}

void Monkey::DriveAbout(CDialog& about) {
    switch (dice_.Below(5)) {
        case 0: Note("About OK"); Click(about, IDOK); break;
        case 1: Note("About Enter"); QTest::keyClick(FocusOf(about), Qt::Key_Return); break;
        case 2: Note("About Esc"); QTest::keyClick(FocusOf(about), Qt::Key_Escape); break;
        case 3: Note("About close box"); about.Window()->close(); break;
        default: Note("About close request"); about.RequestClose(); break;
    }
    if (about.IsEnded() && about.EndCode() != IDOK && about.EndCode() != IDCANCEL) {
        findings_.Add("the About window ended with " + std::to_string(about.EndCode()));
    }
}

}  // namespace resonara::monkey
