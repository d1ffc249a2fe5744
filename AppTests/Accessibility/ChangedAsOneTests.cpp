// A whole that leaves view or input as one tells a reader of itself alone, and once back, of each part
// whose standing really changed while it was away: never a part the reader would hold as it no longer is.
#include "System/ChangedAsOne.h"
#include "System/ReaderChangeEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// What a reader is told, as "name shown", "name disabled"…: each event the widgets make that the game's
// handler lets through, and each the change tells itself.
QStringList toldToTheReader;

void recordTold(QAccessibleEvent* event) {
    if (ReaderChangeEvents::keptFromReaders(event))
        return;
    auto* widget = qobject_cast<QWidget*>(event->object());
    const QString name = widget->objectName();
    if (event->type() == QAccessible::StateChanged)
        toldToTheReader << name + (widget->isEnabled() ? " enabled" : " disabled");
    else
        toldToTheReader << name + (event->type() == QAccessible::ObjectShow ? " shown" : " hidden");
}

// Offscreen, Qt makes no accessibility events: each is made here as a widget makes it, at the same
// moment, from the widget event it sends with it. A widget is told hidden only if it was in view: Qt sends
// the widget event to a part hidden out of view as well.
class AccessibilityEvents : public QObject {
  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->objectName().isEmpty())
            return false;
        if (event->type() == QEvent::Show || (event->type() == QEvent::Hide && inView_.contains(widget))) {
            const bool shown = event->type() == QEvent::Show;
            if (shown)
                inView_.insert(widget);
            else
                inView_.remove(widget);
            QAccessibleEvent told(widget, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
            recordTold(&told);
        } else if (event->type() == QEvent::EnabledChange) {
            QAccessible::State disabled;
            disabled.disabled = true;
            QAccessibleStateChangeEvent told(widget, disabled);
            recordTold(&told);
        }
        return false;
    }

  private:
    QSet<QWidget*> inView_;
};

// A window holding a whole of two parts, the first with a part of its own, and a third part the player
// does not see yet.
struct CoveredScreen {
    QWidget window;
    QWidget* whole = named(new QWidget(&window), "whole");
    QWidget* first = named(new QWidget(whole), "first");
    QWidget* inner = named(new QWidget(first), "inner");
    QWidget* second = named(new QWidget(whole), "second");
    QWidget* unseen = named(new QWidget(whole), "unseen");

    CoveredScreen() {
        unseen->hide();
        window.show();
    }
    static QWidget* named(QWidget* widget, const char* name) {
        widget->setObjectName(name);
        return widget;
    }
    void setCovered(bool covered) {
        if (covered) {
            ChangedAsOne::change(
                whole, [this] { whole->setEnabled(false); }, recordTold);
            ChangedAsOne::change(
                whole, [this] { whole->setVisible(false); }, recordTold);
        } else {
            ChangedAsOne::change(
                whole, [this] { whole->setVisible(true); }, recordTold);
            ChangedAsOne::change(
                whole, [this] { whole->setEnabled(true); }, recordTold);
        }
    }
};

TEST(ChangedAsOne, TheReaderHearsTheWholeAndThenOnlyThePartsThatReallyChanged) {
    struct Row {
        const char* meanwhile;
        std::function<void(CoveredScreen&)> change;
        QStringList told;
    };
    const QStringList around{"whole disabled", "whole hidden", "whole shown", "whole enabled"};
    const std::vector<Row> rows{
        {"nothing", [](CoveredScreen&) {}, around},
        {"a part hidden",
         [](CoveredScreen& screen) { screen.first->hide(); },
         {"whole disabled", "whole hidden", "whole shown", "whole enabled", "first hidden", "inner hidden"}},
        {"a part disabled",
         [](CoveredScreen& screen) { screen.second->setEnabled(false); },
         {"whole disabled", "whole hidden", "whole shown", "whole enabled", "second disabled"}},
        {"a part shown that was out of view before",
         [](CoveredScreen& screen) { screen.unseen->show(); },
         {"whole disabled", "whole hidden", "whole shown", "whole enabled", "unseen shown"}},
        {"a part made and shown",
         [](CoveredScreen& screen) { CoveredScreen::named(new QWidget(screen.whole), "made")->show(); },
         {"whole disabled", "whole hidden", "whole shown", "whole enabled", "made shown"}},
        {"a part of a part hidden and shown again",
         [](CoveredScreen& screen) {
             screen.inner->hide();
             screen.inner->show();
         },
         around},
        {"a part gone", [](CoveredScreen& screen) { delete screen.second; }, around},
    };
    for (const Row& row : rows) {
        AccessibilityEvents events;
        qApp->installEventFilter(&events);
        CoveredScreen screen;
        toldToTheReader.clear();
        screen.setCovered(true);
        row.change(screen);
        screen.setCovered(false);
        EXPECT_EQ(toldToTheReader.join(", ").toStdString(), row.told.join(", ").toStdString())
            << row.meanwhile;
        qApp->removeEventFilter(&events);
    }
    // Changed the usual way, the whole tells of every part in it.
    AccessibilityEvents events;
    qApp->installEventFilter(&events);
    CoveredScreen screen;
    toldToTheReader.clear();
    screen.whole->setEnabled(false);
    EXPECT_TRUE(toldToTheReader.contains("inner disabled")) << toldToTheReader.join(", ").toStdString();
    qApp->removeEventFilter(&events);
}

TEST(ChangedAsOne, OfAChildMadeAndShownAtOnceOnlyTheChildIsToldAndWhatElseChangesMeanwhileIs) {
    AccessibilityEvents events;
    qApp->installEventFilter(&events);
    CoveredScreen screen;
    toldToTheReader.clear();
    QWidget* panel = nullptr;
    ChangedAsOne::made(&screen.window, [&] {
        panel = CoveredScreen::named(new QWidget(&screen.window), "panel");
        CoveredScreen::named(new QWidget(CoveredScreen::named(new QWidget(panel), "page")), "words");
        panel->show();
        screen.first->hide();
    });
    EXPECT_EQ(toldToTheReader.join(", ").toStdString(), "panel shown, first hidden, inner hidden");
    // Made, its parts are told as any other.
    toldToTheReader.clear();
    panel->findChild<QWidget*>("page")->hide();
    EXPECT_EQ(toldToTheReader.join(", ").toStdString(), "page hidden, words hidden");
    qApp->removeEventFilter(&events);
}

} // namespace
