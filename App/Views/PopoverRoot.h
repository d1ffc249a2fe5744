#pragma once

#include "Views/AppEnvironment.h"

#include <QWidget>

class RootTheme;
class QStackedLayout;
struct TableTheme;

// The popover's content: the running table, or the lobby without one, in the popover's theme, at
// the popover's fixed 420 × 560. Starts the sound warm-up when it comes on screen.
class PopoverRoot final : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize popoverSize{420, 560};

    explicit PopoverRoot(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~PopoverRoot() override;

    const TableTheme& theme() const;
    // The screen shown now.
    QWidget* content() const { return content_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showContent();

    AppEnvironment environment_;
    RootTheme* theme_;
    QStackedLayout* stack_;
    QWidget* content_ = nullptr;
    bool showsTable_ = false;
};
