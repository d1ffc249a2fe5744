#pragma once

#include "Views/AppEnvironment.h"
#include "Views/Support/CardOverlay.h"
#include "Views/Support/ConfirmationPanel.h"
#include "Views/Support/FocusReturn.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class AppearanceWatcher;
class DeckPreview;
class FormDropDown;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QWidget;
class ShortcutRecorder;
class StyledButton;

// The Settings window's content: one form in which every stored setting is changed the moment a
// control changes, written through the app state. There is no apply step, and the form reads the
// settings back whenever they change, so a change made elsewhere shows here at once.
class SettingsView final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int formWidth = 460;

    explicit SettingsView(AppEnvironment environment, QWidget* parent = nullptr);
    ~SettingsView() override;

    // Opens the Poker Basics guide as a sheet of this window, as "Poker Basics…" does. It closes with its
    // own "Done" or Escape.
    void showGuide();
    // The guide sheet while it is open, else null.
    QDialog* guideSheet() const { return guideSheet_; }
    // Runs the bankroll reset as its confirmation's destructive button does.
    void confirmReset();
    // The question "Reset Bankroll…" asks over the form before anything changes, while it shows.
    ConfirmationPanel* resetQuestion() const { return resetQuestion_; }

    // Reads every control back from the stored settings.
    void refresh();

    // The whole form's size: the window opens at it where the screen has room.
    QSize sizeHint() const override;
    // Fits the window to the screen under the pointer (the tray's), centred on it; the form scrolls.
    void fitScreen();
    QScrollArea* scrollArea() const { return scroll_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape closes the window, as it closes a dialog; a drop-down or the shortcut recorder takes it
    // first while it is open or recording.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* gameplaySection();
    QWidget* tableSection();
    QWidget* menuBarSection();
    QWidget* generalSection();
    QWidget* bankrollSection();
    void askToReset();
    // Tells a screen reader, through the game's one voice.
    void say(const QString& words);
    void placeResetQuestion();
    // Takes the question away; the keys go back where they were when `giveKeysBack`.
    void closeResetQuestion(bool giveKeysBack);
    bool isDark() const;
    // A button of the form, drawn as the game's buttons are.
    StyledButton* button(const QString& title);
    // A drop-down of the form, whose changes by key a reader is told of.
    FormDropDown* dropDown(const QStringList& options);
    // Colours the form and its controls in the game's look for the desktop's appearance.
    void applyLook();

    AppEnvironment environment_;
    AppearanceWatcher* appearance_;
    std::vector<StyledButton*> buttons_;
    QScrollArea* scroll_ = nullptr;
    bool fitted_ = false;
    QPointer<QDialog> guideSheet_;
    QPointer<CardShade> resetShade_;
    QPointer<ConfirmationPanel> resetQuestion_;
    FocusReturn resetReturn_;

    QComboBox* botSpeed_ = nullptr;
    QCheckBox* autoDeal_ = nullptr;
    QComboBox* defaultTable_ = nullptr;
    QCheckBox* learningMode_ = nullptr;
    QAbstractButton* guide_ = nullptr;
    QCheckBox* fourColorDeck_ = nullptr;
    DeckPreview* deckPreview_ = nullptr;
    QCheckBox* sounds_ = nullptr;
    QCheckBox* stackInMenuBar_ = nullptr;
    QCheckBox* globalShortcut_ = nullptr;
    QWidget* shortcutRow_ = nullptr;
    ShortcutRecorder* recorder_ = nullptr;
    QLabel* hotkeyProblem_ = nullptr;
    // Why the shortcut just recorded was refused, shown while the recorder waits for another, in the red
    // of every refusal.
    QLabel* refusalNote_ = nullptr;
    bool recorderWasRecording_ = false;
    QComboBox* launchSurface_ = nullptr;
    QLabel* launchSurfaceSubtitle_ = nullptr;
    QCheckBox* launchAtLogin_ = nullptr;
    QWidget* approvalRow_ = nullptr;
    QLabel* loginError_ = nullptr;
    QWidget* bankrollSection_ = nullptr;
    QLabel* bankroll_ = nullptr;
    QLabel* handsPlayed_ = nullptr;
    QLabel* sitAndGoResults_ = nullptr;
};
