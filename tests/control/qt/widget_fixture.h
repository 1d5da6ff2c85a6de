// A shown CRamuloCtrl with document 1, and helpers that drive it as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

#include "control/qt/ramulo_ctrl.h"

namespace widget_test {

// Document 1's vertices at their logical positions; their IDs follow the graph's own (0):
// A = 1 ... K = 11.
inline constexpr QPoint kA{195, 50}, kB{50, 130}, kC{180, 130}, kD{340, 130}, kE{115, 210},
    kF{245, 210}, kG{340, 210}, kK{340, 290};

// A menu as the user sees it: text, or "-" for a separator, and whether it can be chosen.
struct Item {
    QString text;
    bool enabled = true;
    friend bool operator==(const Item&, const Item&) = default;
};

inline std::vector<Item> itemsOf(const QMenu& menu) {
    std::vector<Item> items;
    for (QAction* a : menu.actions())
        items.push_back(a->isSeparator() ? Item{QStringLiteral("-"), false}
                                         : Item{a->text(), a->isEnabled()});
    return items;
}

inline void PrintTo(const Item& item, std::ostream* out) {
    *out << item.text.toStdString() << (item.enabled ? "" : " (grayed)");
}

class Widget : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<ramulo::CRamuloCtrl>();
        w->setEditingEnabled(true);
        w->setDoubleClickEnabled(true);
        w->setRotationEnabled(true);
        w->setHierarchicalLayoutEnabled(true);
        w->setRadialLayoutEnabled(true);
        w->setForceDirectedLayoutEnabled(true);
        // Menus pick the item whose text is queued next and remember what they showed;
        // message boxes answer from their queue (No when it is empty).
        w->execMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            menus.push_back(itemsOf(menu));
            if (choices.empty()) return nullptr;
            const QString wanted = choices.front();
            choices.erase(choices.begin());
            for (QAction* a : menu.actions())
                if (a->text() == wanted) return a;
            ADD_FAILURE() << "no menu item " << wanted.toStdString();
            return nullptr;
        };
        w->execMessageBox = [this](QMessageBox& box) {
            boxes.push_back({box.windowTitle(), box.text(), box.standardButtons(), box.icon()});
            if (answers.empty()) return int(QMessageBox::No);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
        w->resize(500, 400);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        settle();
    }

    // Lets pending paints and updates run.
    void settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    QWidget* vp() { return w->viewport(); }
    // A logical point as a point of the viewport, after scrolling.
    QPoint client(QPoint logical) { return logical - w->scrollPosition(); }

    void click(QPoint logical, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(vp(), Qt::LeftButton, mods, client(logical));
        settle();
    }
    void rightClick(QPoint logical) {
        QTest::mouseClick(vp(), Qt::RightButton, {}, client(logical));
        settle();
    }
    void press(QPoint logical, Qt::KeyboardModifiers mods = {}) {
        QTest::mousePress(vp(), Qt::LeftButton, mods, client(logical));
    }
    void release(QPoint logical) {
        QTest::mouseRelease(vp(), Qt::LeftButton, {}, client(logical));
        settle();
    }
    // A move with the buttons held as given (none: the pointer only hovers).
    void move(QPoint logical, Qt::MouseButtons held = Qt::NoButton) {
        const QPointF at = client(logical);
        QMouseEvent event(QEvent::MouseMove, at, vp()->mapToGlobal(at), Qt::NoButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(vp(), &event);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
        press(from, mods);
        move((from + to) / 2, Qt::LeftButton);
        move(to, Qt::LeftButton);
        release(to);
    }

    std::uint32_t selectedCount() { return w->VertexCount(1); }
    QPoint position(std::uint32_t vertex) {
        return {w->VertexPropertyValueByName(vertex, QStringLiteral("X"), 2).toInt(),
                w->VertexPropertyValueByName(vertex, QStringLiteral("Y"), 2).toInt()};
    }
    QSize extent() {
        const nx::Size e = ramulo::engineOf(w->control()).GetExtent();
        return {int(e.cx), int(e.cy)};
    }

    struct Box {
        QString caption, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
    };

    std::vector<QString> choices;
    std::vector<std::vector<Item>> menus;
    std::vector<int> answers;
    std::vector<Box> boxes;
    // Declared last, so destroyed first: a modified control asks its save question while
    // it closes, and the handlers above must still be there to answer it.
    std::unique_ptr<ramulo::CRamuloCtrl> w;
};

}  // namespace widget_test
