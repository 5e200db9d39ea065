// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility layer's view of the program's own widgets.
#include "accessibility.h"

#include "ButtonLabel.h"
#include "InputLock.h"
#include "mouse.h"

#include <QAccessibleWidget>
#include <QGroupBox>

namespace ui {
namespace {

constexpr const char* announcementName = "announcement";

// A card: a frame with a caption that takes clicks.
bool isCard(const QObject* object) {
    return qobject_cast<const QGroupBox*>(object) && hasClickHandler(static_cast<const QWidget*>(object));
}

// A button label as a button with a press action, a choice or a text.
class ButtonLabelAccessible : public QAccessibleWidget {
public:
    explicit ButtonLabelAccessible(ButtonLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        if (label()->isTextOnly()) {
            return QAccessible::StaticText;
        }
        return label()->isCheckable() ? QAccessible::RadioButton : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = label()->isCheckable();
        state.checked = label()->isChecked();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return label()->valueText();
        }
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Linux screen readers say a control's label (the label whose buddy it is) before its name and
        // read no value of a button: there the name is what the field shows, as Qt does for lists.
        if (!label()->valueText().isEmpty()) {
            return label()->valueText();
        }
#endif
        QString name = label()->accessibleName();
        return name.isEmpty() ? label()->text().remove(QLatin1Char('&')) : name;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!label()->isTextOnly() && label()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && !label()->isTextOnly() && label()->isEnabled()) {
            label()->animateClick(); // pressed now, released a moment later, as Qt's own buttons are
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    ButtonLabel* label() const { return static_cast<ButtonLabel*>(widget()); }
};

// A plain container: a panel, named only by a name of its own, never after the frame around it.
class Container : public QAccessibleWidget {
public:
    explicit Container(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }
};

// A frame with a caption: a panel named by its caption. One that takes clicks (the Join and Host
// cards) is checked while it lies in front, and its press does what a click on it does.
class Frame : public QAccessibleWidget {
public:
    explicit Frame(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        // Its own caption, never the caption of the frame around it.
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? static_cast<QGroupBox*>(widget())->title().remove(QLatin1Char('&')) : name;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = isCard(widget());
        state.checked = state.checkable && isInFront(widget());
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isCard(widget())) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        // A locked container takes no click, so it takes no press either.
        if (action == pressAction() && widget()->isEnabled() && !InputLock::holds(widget())) {
            runClickHandler(widget());
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    // Whether no sibling frame that takes clicks lies in front of `frame`.
    static bool isInFront(const QWidget* frame) {
        const QObjectList& siblings = frame->parent()->children();
        for (auto it = siblings.begin() + siblings.indexOf(frame) + 1; it != siblings.end(); ++it) {
            if (isCard(*it)) {
                return false;
            }
        }
        return true;
    }
};

QAccessibleInterface* launcherAccessible(const QString& className, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ui::ButtonLabel")) {
        return new ButtonLabelAccessible(static_cast<ButtonLabel*>(widget));
    }
    if (className == QLatin1String("QGroupBox")) {
        return new Frame(static_cast<QGroupBox*>(widget));
    }
    if (className == QLatin1String("QFrame")) {
        return new Container(widget);
    }
    if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String(announcementName)) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (className == QLatin1String("QWidget") && widget->isWindow()) {
        // A window that cannot be minimised is a dialog, as the about window is.
        const bool dialog =
            !(widget->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::FramelessWindowHint));
        return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(launcherAccessible);
}

void announce(QWidget* window, const QString& text) {
    QWidget* notice = window->window()->findChild<QWidget*>(QLatin1String(announcementName));
    if (notice == nullptr) {
        notice = new QWidget(window->window());
        notice->setObjectName(QLatin1String(announcementName));
        notice->setGeometry(-2, -2, 1, 1); // never on screen
    }
    notice->setAccessibleName(text.simplified()); // a line break read as a pause, not as the end
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement, which newer screen readers (Orca 46 and later) speak.
    QAccessibleAnnouncementEvent announcement(notice, notice->accessibleName());
    QAccessible::updateAccessibility(&announcement);
#else
    // Coming into view, a notification is read out; it leaves again at once, so that nothing reads
    // it a second time.
    notice->show();
    notice->hide();
#endif
}

void showContents(QWidget* container, bool shown) {
    constexpr const char* hiddenWith = "hiddenWithContainer";
    for (QWidget* control : container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!shown && !control->isHidden()) {
            control->setProperty(hiddenWith, true);
            control->hide();
        } else if (shown && control->property(hiddenWith).toBool()) {
            control->setProperty(hiddenWith, false);
            control->show();
        }
    }
}

void bringToFront(QGroupBox* frame) {
    frame->raise();
    for (QObject* sibling : frame->parent()->children()) {
        if (isCard(sibling)) {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent changed(sibling, checked);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

} // namespace ui
