#pragma once

#include "Views/AppEnvironment.h"

#include <QWidget>

class ActionLogView;
class QAction;
class QButtonGroup;
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
    enum class SidebarContent { log, guide };

    explicit WindowRoot(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~WindowRoot() override;

    const TableTheme& theme() const;
    QWidget* content() const { return content_; }
    QToolBar* toolbar() const { return toolbar_; }
    bool showsSidebar() const { return showsSidebar_; }
    SidebarContent sidebarContent() const { return sidebarContent_; }
    // Shows the sidebar on the guide; the table keeps running beside it.
    void openGuide();

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
    void showContent();
    void refreshChrome();
    void setSidebar(bool shown, SidebarContent content);
    void applySidebarWidths(bool startAtIdeal = true);

    AppEnvironment environment_;
    RootTheme* theme_;
    QToolBar* toolbar_;
    QAction* pause_ = nullptr;
    QAction* back_ = nullptr;
    QAction* settings_ = nullptr;
    QAction* guide_ = nullptr;
    QAction* leave_ = nullptr;
    QAction* sound_ = nullptr;
    QAction* sidebarToggle_ = nullptr;
    QSplitter* splitter_;
    QWidget* sidebar_ = nullptr;
    QButtonGroup* segments_ = nullptr;
    QStackedWidget* sidebarPages_ = nullptr;
    ActionLogView* log_ = nullptr;
    QWidget* content_ = nullptr;
    bool showsTable_ = false;
    bool showsSidebar_ = true;
    SidebarContent sidebarContent_ = SidebarContent::log;
};
