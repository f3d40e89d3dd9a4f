#pragma once

#include "platform/gui/Layout.h"

#include <QList>

#include <array>
#include <vector>

class ListBox;
class QAction;
class QMainWindow;
class QMenu;

// The View menu of an editor window and the two settings it changes, both
// stored in config.ini at once (SaveViewSettings): the font size of the
// window's long lists (7 to 10 points) and, where the window offers it, the
// screen width (1024 or 1280 pixels) its controls are laid out for. A stored
// value the menu does not offer is kept as it is; the window then uses the
// nearest offered value and ticks no entry.
class EditorView {
public:
    explicit EditorView(QMainWindow* window);

    // Adds the menu "View" (mnu_view): "List font size 7" to "List font size
    // 10" (mnu_view_font7 to mnu_view_font10) and, with `screenWidths`, a
    // separator (mnu_view_blank1), "Screen width 1024" (mnu_view_1024) and
    // "Screen width 1280 (or higher)" (mnu_view_1280).
    QMenu* addMenu(bool screenWidths);

    // The lists whose font size follows the setting. Their heights stay: a
    // list keeps its height in twips whatever its font.
    void setLists(const QList<ListBox*>& lists);
    // The layout for the screen width: `content`, the window's central widget
    // holding every control, is `height` twips high and `width1024` or
    // `width1280` twips wide; `rules` move and widen the controls that follow
    // the width. The window is fitted around the content, menu bar included.
    void setLayout(QWidget* content, int width1024, int width1280, int height,
                   std::vector<WidthRule> rules);

    // Lays the window out for `width`, ticks its menu entry, centres the
    // window across the screen (inside its available area), and stores
    // ScreenWidth.
    void setScreenWidth(int width);
    // Lays the window out for `width` and centres it, storing nothing: for a
    // window whose one layout does not follow the setting.
    void layOut(int width);
    // Sets the font size of the lists, ticks its menu entry, and stores
    // ListFontSize.
    void setListFontSize(int size);

private:
    QMainWindow* m_window;
    std::array<QAction*, 4> m_fontEntries{};
    QAction* m_width1024 = nullptr;
    QAction* m_width1280 = nullptr;
    QList<ListBox*> m_lists;
    QWidget* m_content = nullptr;
    int m_width1024Twips = 0;
    int m_width1280Twips = 0;
    int m_heightTwips = 0;
    std::vector<WidthRule> m_rules;
};
