#include "platform/gui/Modal.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <optional>

namespace {
// Modal windows open centred over the active window, or over the screen where
// there is none, and always inside the screen's free area.
TEST(Modal, WindowsOpenCentredOverTheirOwnerAndOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* name;
        std::optional<QRect> owner;
        QPoint expected; // the window's top left corner
    } rows[] = {
        {"over the active window", QRect(area.topLeft() + QPoint(100, 80), QSize(400, 300)),
         area.topLeft() + QPoint(100 + 100, 80 + 100)},
        {"no active window: over the screen", std::nullopt, area.center() - QPoint(99, 49)},
        {"an owner at the corner: kept on the screen",
         QRect(area.bottomRight() - QPoint(150, 100), QSize(400, 300)),
         area.bottomRight() - QPoint(199, 99)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget owner;
        if (row.owner) {
            owner.setGeometry(*row.owner);
            owner.show();
            owner.activateWindow();
            QApplication::processEvents();
            ASSERT_EQ(QApplication::activeWindow(), &owner);
        }
        ScriptedPlatform platform;
        QPoint placed;
        platform.onModal([&](QWidget* window) { placed = window->frameGeometry().topLeft(); });
        auto* window = new QWidget;
        window->resize(200, 100);
        ShowModal(window);
        EXPECT_EQ(placed, row.expected);
    }
}
} // namespace
