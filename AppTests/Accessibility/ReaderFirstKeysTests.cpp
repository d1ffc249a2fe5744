// A screen reader has every key press before the game's shortcuts do: keys it takes (Orca's Where Am I
// on keypad Enter, Return with its own modifier held) never press the default button under the focus,
// and keys it declines act as they always have.
#include "Learn/PracticeCaption.h"
#include "Style/TableTheme.h"
#include "System/ReaderFirstKeys.h"
#include "System/ReaderKeyRoute.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Learn/TermPanel.h"
#include "Views/Support/Announcer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using ReaderKeyRoute::Route;

TEST(ReaderKeyRoute, HoldsOnlyTypedKeysForAListeningReaderAndTriesTheirShortcutsWhenTheyComeBack) {
    struct Row {
        const char* name;
        ReaderKeyRoute::Press press;
        Route route;
    };
    const Row rows[] = {
        {"no reader: shortcuts first, as always", {true, true, false, false}, Route::asUsual},
        {"a reader: the shortcuts wait", {true, true, true, false}, Route::holdForReader},
        {"the press back from the reader", {false, true, true, false}, Route::tryShortcutNow},
        {"no reader: the press is the control's", {false, true, false, false}, Route::asUsual},
        {"made by a program, not typed", {true, false, true, false}, Route::asUsual},
        {"a program's press", {false, false, true, false}, Route::asUsual},
        {"the shortcuts' own question on the retry", {true, true, true, true}, Route::asUsual},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReaderKeyRoute::route(row.press), row.route) << row.name;
}

// A key as the keyboard sends it: its scan code and key symbol with it, as X11 gives them.
struct TypedKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    quint32 symbol;
    QString text;
};
const TypedKey keypadEnter{Qt::Key_Enter, Qt::KeypadModifier, 104, 0xff8d, QStringLiteral("\r")};
const TypedKey returnKey{Qt::Key_Return, Qt::NoModifier, 36, 0xff0d, QStringLiteral("\r")};
const TypedKey escape{Qt::Key_Escape, Qt::NoModifier, 9, 0xff1b, QStringLiteral("\x1b")};
const TypedKey five{Qt::Key_5, Qt::NoModifier, 14, 0x35, QStringLiteral("5")};
// Without X11's keyboard map the offscreen platform cannot tell that Ctrl+Shift+/ types Ctrl+?: the
// key comes as Ctrl+? itself.
const TypedKey guideKeys{Qt::Key_Question, Qt::ControlModifier, 61, 0x3f, QStringLiteral("?")};

// Stands where the accessibility bridge stands, in front of every other filter of the application: it
// has each typed press first, keeps those the reader takes and passes the others on after asking, as a
// copy posted to where the press was going.
class ListeningReader : public QObject {
  public:
    explicit ListeningReader(std::function<bool(const QKeyEvent&)> takes)
        : takes_(std::move(takes)) {
        qApp->installEventFilter(this);
    }
    ~ListeningReader() override { qApp->removeEventFilter(this); }
    int asked = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !event->spontaneous())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        ++asked;
        if (!takes_(*key))
            QCoreApplication::postEvent(watched, new QKeyEvent(key->type(), key->key(), key->modifiers(),
                                                               key->nativeScanCode(), key->nativeVirtualKey(),
                                                               key->nativeModifiers(), key->text(),
                                                               key->isAutoRepeat(), key->count()));
        return true;
    }

  private:
    std::function<bool(const QKeyEvent&)> takes_;
};

void activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    QApplication::processEvents();
}

void type(QWidget& window, const TypedKey& key) {
    QWindow* handle = window.windowHandle();
    QWindowSystemInterface::handleExtendedKeyEvent(handle, QEvent::KeyPress, key.key, key.modifiers,
                                                   key.scanCode, key.symbol, 0, key.text);
    QWindowSystemInterface::handleExtendedKeyEvent(handle, QEvent::KeyRelease, key.key, key.modifiers,
                                                   key.scanCode, key.symbol, 0, key.text);
    // The reader's answer comes as a posted copy, after the press.
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
}

Announcer& quietAnnouncer() {
    static Announcer announcer;
    announcer.setShowsNotifications(false);
    return announcer;
}

// A screen with its default key, and how often the player's choice it stands for was made.
struct Screen {
    std::unique_ptr<QWidget> window;
    std::shared_ptr<int> chosen = std::make_shared<int>(0);
};

Screen practiceCaption() {
    Screen screen;
    const PracticeCaption caption{PracticeStep::blinds, "The blinds", "Two **forced bets** start the pot."};
    screen.window = std::make_unique<PracticeCaptionView>(
        TableTheme::standard(), caption,
        PracticeCaptionView::Actions{[chosen = screen.chosen] { ++*chosen; }, {}, {}}, &quietAnnouncer());
    return screen;
}

Screen termPanel() {
    Screen screen;
    screen.window =
        std::make_unique<TermPanel>(TableTheme::standard(), Term::kicker, TermNumbers{},
                                    TableTheme::standard(), [chosen = screen.chosen] { ++*chosen; });
    return screen;
}

// Poker Basics' command, held by the window with a field to type in.
Screen fieldWithTheGuideCommand() {
    Screen screen;
    screen.window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(screen.window.get());
    auto* field = new QLineEdit;
    layout->addWidget(field);
    auto* command = new QAction(screen.window.get());
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Question));
    QObject::connect(command, &QAction::triggered, [chosen = screen.chosen] { ++*chosen; });
    screen.window->addAction(command);
    field->setFocus();
    return screen;
}

// Orca's two layouts: the desktop's asks where the player is with keypad Enter, the laptop's with Return
// while its own modifier (Caps Lock) is held, which the game's keys never see.
bool orcaTakes(const QKeyEvent& key, bool modifierHeld) {
    return key.key() == Qt::Key_Enter || (modifierHeld && key.key() == Qt::Key_Return);
}

TEST(ReaderFirstKeys, AReadersKeyNeverPressesTheDefaultAndEveryOtherKeyActsOnce) {
    struct Row {
        const char* name;
        std::function<Screen()> screen;
        TypedKey key;
        bool readerListens;
        bool orcaModifierHeld;
        int chosen;
    };
    const Row rows[] = {
        {"caption, Where Am I by keypad Enter", practiceCaption, keypadEnter, true, false, 0},
        {"caption, Where Am I by Orca+Return", practiceCaption, returnKey, true, true, 0},
        {"caption, Return the reader declines", practiceCaption, returnKey, true, false, 1},
        {"caption, keypad Enter with no reader", practiceCaption, keypadEnter, false, false, 1},
        {"caption, Return with no reader", practiceCaption, returnKey, false, false, 1},
        {"term panel, Where Am I by keypad Enter", termPanel, keypadEnter, true, false, 0},
        {"term panel, Escape the reader declines", termPanel, escape, true, false, 1},
        {"term panel, Return with no reader", termPanel, returnKey, false, false, 1},
        {"guide command, Ctrl+? the reader declines", fieldWithTheGuideCommand, guideKeys, true, false, 1},
        {"guide command, Ctrl+? with no reader", fieldWithTheGuideCommand, guideKeys, false, false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ReaderFirstKeys gate([listens = row.readerListens] { return listens; });
        qApp->installEventFilter(&gate);
        Screen screen = row.screen();
        activate(*screen.window);
        std::unique_ptr<ListeningReader> reader;
        if (row.readerListens)
            reader = std::make_unique<ListeningReader>(
                [held = row.orcaModifierHeld](const QKeyEvent& key) { return orcaTakes(key, held); });
        type(*screen.window, row.key);
        EXPECT_EQ(*screen.chosen, row.chosen);
        if (reader) {
            EXPECT_EQ(reader->asked, 1) << "the reader is asked once, before anything acts";
        }
        reader.reset();
        qApp->removeEventFilter(&gate);
    }
}

TEST(ReaderFirstKeys, TypingReachesTheFieldOnceWhetherOrNotAReaderListens) {
    for (const bool listens : {false, true}) {
        SCOPED_TRACE(listens ? "a reader" : "no reader");
        ReaderFirstKeys gate([listens] { return listens; });
        qApp->installEventFilter(&gate);
        Screen screen = fieldWithTheGuideCommand();
        activate(*screen.window);
        std::unique_ptr<ListeningReader> reader;
        if (listens)
            reader = std::make_unique<ListeningReader>([](const QKeyEvent&) { return false; });
        type(*screen.window, five);
        type(*screen.window, five);
        auto* field = screen.window->findChild<QLineEdit*>();
        EXPECT_EQ(field->text(), "55");
        EXPECT_EQ(*screen.chosen, 0);
        reader.reset();
        qApp->removeEventFilter(&gate);
    }
}

} // namespace
