#pragma once

// What the window tests share: a user's hands on the controls (typing,
// clicking, menu choices, keys), a counter of whole-client repaints, the
// main window up and shown, and pixel look-ups on painted client images.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "dialog.h"
#include "enclosure_dlg.h"
#include "ui_test_fixture.h"

namespace resonara::testing {

// ---- Controls -------------------------------------------------------------

inline QLineEdit* EditControl(const CDialog& dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id));
}

// Replaces the field's text by typing, as a user who selects it first.
inline void TypeInto(CDialog& dialog, int id, std::string_view text) {
    QLineEdit* edit = EditControl(dialog, id);
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

// A mouse click on a shown, enabled button or check box, near its left end
// where a check box has its indicator.
inline void Click(CDialog& dialog, int id) {
    constexpr int kIndicatorCentre_px = 6;
    auto* button = qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << "button " << id << " cannot be clicked";
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(kIndicatorCentre_px, button->height() / 2));
}

inline void ChooseMenu(CDialog& dialog, int command) {
    QAction* item = dialog.FindMenuItem(command);
    ASSERT_NE(item, nullptr) << "no menu item " << command;
    item->trigger();
}

inline void PressKey(QWidget* target, Qt::Key key) {
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key);
}

// ---- Repaints -------------------------------------------------------------

// Counts paint events of a widget that cover its whole area: what an
// invalidation of the client area gives, as opposed to the partial repaints
// behind a control whose text changed.
class WholeRepaintCounter final : public QObject {
public:
    explicit WholeRepaintCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~WholeRepaintCounter() override {
        if (widget_ != nullptr) widget_->removeEventFilter(this);
    }

    // Lets pending paints happen, then forgets them.
    void Reset() {
        QApplication::processEvents();
        count_ = 0;
    }
    // Lets pending paints happen, then tells how many covered the whole widget.
    int Count() {
        QApplication::processEvents();
        return count_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->rect().contains(widget_->rect())) {
            ++count_;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* widget_;
    int count_ = 0;
};

// ---- The main window ------------------------------------------------------

// The real main window, built, initialised and shown, as the program starts
// it; the fake services stand in for message boxes, pages and modal runs.
class MainWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(window_.Create());
        window_.ShowWindow();
        QApplication::processEvents();
    }

    std::string Text(int id) const { return window_.GetDlgItemText(id); }
    bool Checked(int id) const { return window_.IsDlgButtonChecked(id); }
    void Type(int id, std::string_view text) { TypeInto(window_, id, text); }
    void Calculate() { Click(window_, kCalculateButton); }

    CEnclosureDlg window_;
};

// The message of a refused driver value.
inline constexpr const char* kQtsZeroMessage = "Calculation Stopped: Qts can't equal 0";
inline constexpr const char* kWarningCaption = "Warning";
// The caption of the platform's own boxes: the test program's file name.
inline constexpr const char* kTestProgramName = "ui_tests";

// ---- Pixels ---------------------------------------------------------------

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
    friend std::ostream& operator<<(std::ostream& os, Rgb c) {
        return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

inline constexpr Rgb kPlotBlueRgb{150, 150, 255};
inline constexpr Rgb kGridGreyRgb{220, 220, 220};
inline constexpr Rgb kLabelGreyRgb{200, 200, 200};
inline constexpr Rgb kCurveRedRgb{220, 0, 0};
inline constexpr Rgb kCurveGreenRgb{100, 250, 40};
inline constexpr Rgb kBlackRgb{0, 0, 0};
inline constexpr Rgb kWhiteRgb{255, 255, 255};

inline Rgb PixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

// How many pixels of `area` have `colour`.
inline int CountPixels(const QImage& image, const QRect& area, Rgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += PixelAt(image, x, y) == colour ? 1 : 0;
    }
    return count;
}

// The smallest rectangle of `area` holding every pixel of `colour`, or nothing.
inline std::optional<QRect> BoundsOf(const QImage& image, const QRect& area, Rgb colour) {
    std::optional<QRect> bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (PixelAt(image, x, y) != colour) continue;
            const QRect pixel(x, y, 1, 1);
            bounds = bounds ? bounds->united(pixel) : pixel;
        }
    }
    return bounds;
}

}  // namespace resonara::testing
