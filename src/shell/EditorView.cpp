#include "shell/EditorView.h"

#include "platform/gui/Controls.h"
#include "platform/gui/Modal.h"
#include "shell/modCore.h"
#include "shell/modMain.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

EditorView::EditorView(QMainWindow* window) : m_window(window) {}

QMenu* EditorView::addMenu(bool screenWidths) {
    QMenu* view = Named(m_window->menuBar()->addMenu(QStringLiteral("View")), "mnu_view");
    for (int size = 7; size <= 10; ++size) {
        QAction* entry = view->addAction(QStringLiteral("List font size ") + QString::number(size));
        entry->setObjectName(QStringLiteral("mnu_view_font") + QString::number(size));
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, m_window,
                         [this, size] { setListFontSize(size); });
        m_fontEntries[static_cast<std::size_t>(size - 7)] = entry;
    }
    if (!screenWidths)
        return view;
    Named(view->addSeparator(), "mnu_view_blank1");
    m_width1024 = Named(view->addAction(QStringLiteral("Screen width 1024")), "mnu_view_1024");
    m_width1280 =
        Named(view->addAction(QStringLiteral("Screen width 1280 (or higher)")), "mnu_view_1280");
    for (const auto& [entry, offered] : {std::pair{m_width1024, 1024}, {m_width1280, 1280}}) {
        const int width = offered; // a lambda may not capture a structured binding everywhere
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, m_window,
                         [this, width] { setScreenWidth(width); });
    }
    return view;
}

void EditorView::setLists(const QList<ListBox*>& lists) {
    m_lists = lists;
}

void EditorView::setLayout(QWidget* content, int width1024, int width1280, int height,
                           std::vector<WidthRule> rules) {
    m_content = content;
    m_width1024Twips = width1024;
    m_width1280Twips = width1280;
    m_heightTwips = height;
    m_rules = std::move(rules);
}

void EditorView::setScreenWidth(int width) {
    layOut(width);
    if (m_width1024 && (width == 1024 || width == 1280)) {
        m_width1024->setChecked(width == 1024);
        m_width1280->setChecked(width == 1280);
    }
    ScreenWidth = static_cast<std::int16_t>(width);
    SaveViewSettings();
}

void EditorView::layOut(int width) {
    const bool wide = OfferedScreenWidth(width) == 1280;
    ApplyWidthRules(m_rules, wide);
    if (m_content) {
        m_content->setFixedSize(Tw(wide ? m_width1280Twips : m_width1024Twips), Tw(m_heightTwips));
        // The window's least size follows its content only once its layout
        // has run; until then a narrower width would be refused and the window
        // would stay as wide as before.
        m_window->layout()->activate();
        // Fixed, so that the window manager offers no resizing that would
        // only show empty space, and draws no resize handle below it.
        m_window->setFixedSize(m_content->width(),
                               m_content->height() + m_window->menuBar()->sizeHint().height());
    }
    CentreAcrossScreen(m_window);
}

void EditorView::setListFontSize(int size) {
    for (std::size_t i = 0; i < m_fontEntries.size(); ++i) {
        if (m_fontEntries[i])
            m_fontEntries[i]->setChecked(size == 7 + static_cast<int>(i));
    }
    for (ListBox* list : m_lists) {
        QFont font = list->font();
        font.setPointSize(OfferedFontSize(size));
        list->setFont(font);
    }
    ListFontSize = static_cast<std::int16_t>(size);
    SaveViewSettings();
}
