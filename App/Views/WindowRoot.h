#pragma once

#include "Learn/GuideDestination.h"
#include "Style/Drawing/AnimationClock.h"
#include "Style/TableTheme.h"
#include "Views/AppEnvironment.h"
#include "Views/Support/ToolbarIcons.h"
#include "Views/WindowChrome.h"

#include <QPointer>
#include <QWidget>

class ActionLogView;
class PokerBasicsView;
class QAction;
class SlidingPicker;
class QSplitter;
class QStackedWidget;
class QToolBar;
class RootTheme;
struct TableTheme;

// The table window: the running table with a toolbar and a sidebar holding the action log or the
// Poker Basics guide, or the lobby without a table. It tells its owner when it appears, is about to
// close, and is minimized or restored.
class WindowRoot final : public QWidget {
    Q_OBJECT

  public:
    using SidebarContent = WindowChrome::SidebarContent;

    explicit WindowRoot(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~WindowRoot() override;

    const TableTheme& theme() const;
    QWidget* content() const { return content_; }
    QToolBar* toolbar() const { return toolbar_; }
    bool showsSidebar() const { return showsSidebar_; }
    SidebarContent sidebarContent() const { return sidebarContent_; }
    // Shows the sidebar on the guide, sliding it in when it was hidden; the table keeps running beside it.
    void openGuide();
    // The guide in the sidebar while it shows.
    PokerBasicsView* guide() const;
    QWidget* sidebar() const { return sidebar_; }
    // The clock of the sidebar's movements.
    AnimationClock& clock() { return clock_; }

  signals:
    void appeared();
    void closing();
    void minimizedChanged(bool minimized);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* makeSidebar();
    // The look of the guide and of the sidebar's switch: satin, in the window's appearance.
    static TableTheme guideControls(const TableTheme& window);
    void showContent();
    void refreshChrome();
    // The pause and sound buttons as wide as their longest titles, whichever they show.
    void keepToolbarWidths();
    // `animated`: a sidebar coming out slides in, and a page changing in it fades in, ease-out 0.2 s.
    void setSidebar(bool shown, SidebarContent content, bool animated = false);
    void applySidebarWidths(bool startAtIdeal = true);
    void setSidebarWidth(int width);
    void tick();
    // Builds the guide when it comes out and keeps it on the player's hand; a guide put away is
    // destroyed, so the next one opens where a new guide does.
    void refreshGuide();
    void refreshTitle();

    AppEnvironment environment_;
    RootTheme* theme_;
    QToolBar* toolbar_;
    QAction* pause_ = nullptr;
    QAction* back_ = nullptr;
    QAction* settings_ = nullptr;
    QAction* guideItem_ = nullptr;
    QAction* leave_ = nullptr;
    QAction* sound_ = nullptr;
    QAction* sidebarToggle_ = nullptr;
    ToolbarIcons icons_;
    QSplitter* splitter_;
    QWidget* sidebar_ = nullptr;
    SlidingPicker* segments_ = nullptr;
    QStackedWidget* sidebarPages_ = nullptr;
    ActionLogView* log_ = nullptr;
    QPointer<PokerBasicsView> guide_;
    AnimationClock clock_;
    // The sidebar's share of its width while it slides in, and the new page's opacity while it fades in.
    std::optional<Transition> slide_;
    std::optional<Transition> pageFade_;
    QWidget* content_ = nullptr;
    bool showsTable_ = false;
    bool showsSidebar_ = true;
    SidebarContent sidebarContent_ = SidebarContent::log;
};
