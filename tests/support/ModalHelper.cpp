#include "support/ModalHelper.h"

#include "framework/WindowApi.h"
#include "framework/WindowBridge.h"
#include "support/PendingActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace vorn::test {

namespace {

constexpr int kPollInterval = 5; // milliseconds between two looks at the condition

QStringList& seenModals() {
    static QStringList seen;
    return seen;
}

void recordModals() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    vorn::fw::SetModalObserver([](QWidget* window) {
        QVariant text = window->property("vornText");
        seenModals().append(text.isValid() ? window->windowTitle() + "|" + text.toString()
                                           : window->windowTitle());
    });
}

QString withoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QString(QChar(0xFFFF)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0xFFFF), QLatin1Char('&'));
    return text;
}

// Polls condition from the event loop; once it gives a window, runs action on it. On timeout the
// test fails and onTimeout gets a chance to unblock the run.
void poll(const QString& what, std::function<QWidget*()> condition,
          std::function<void(QWidget*)> action, std::chrono::milliseconds timeout,
          std::function<void()> onTimeout) {
    recordModals();
    auto* timer = new QTimer;
    timer->setInterval(kPollInterval);
    auto deadline = std::make_shared<QDeadlineTimer>(timeout);
    PendingActions::add(timer, what);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, what, condition = std::move(condition), action = std::move(action),
                      deadline, onTimeout = std::move(onTimeout)] {
                         if (QWidget* window = condition()) {
                             timer->stop();
                             PendingActions::remove(timer);
                             timer->deleteLater();
                             action(window);
                             return;
                         }
                         if (deadline->hasExpired()) {
                             timer->stop();
                             PendingActions::remove(timer);
                             timer->deleteLater();
                             ADD_FAILURE() << "timed out waiting for " << what.toStdString();
                             if (onTimeout) {
                                 onTimeout();
                             }
                         }
                     });
    timer->start();
}

} // namespace

void whenModal(const QString& caption, std::function<void(QWidget*)> action,
               std::chrono::milliseconds timeout) {
    poll(
        "modal window \"" + caption + "\"",
        [caption]() -> QWidget* {
            QWidget* top = vorn::fw::ActiveModalWindow();
            return top != nullptr && top->isVisible() && top->isEnabled() &&
                           top->windowTitle() == caption
                       ? top
                       : nullptr;
        },
        std::move(action), timeout,
        [] {
            // Ends the run that is in the way, so that the test can go on to fail.
            if (QWidget* top = vorn::fw::ActiveModalWindow()) {
                EndDialog(vorn::fw::HandleFromWidget(top), -1);
            }
        });
}

void whenShown(const QString& caption, std::function<void(QWidget*)> action,
               std::chrono::milliseconds timeout) {
    poll("window \"" + caption + "\"", [caption] { return findWindow(caption); }, std::move(action),
         timeout, {});
}

void answerModal(const QString& caption, const QString& buttonText,
                 std::chrono::milliseconds timeout) {
    whenModal(
        caption, [buttonText](QWidget* window) { clickButton(window, buttonText); }, timeout);
}

void clickButton(QWidget* dialog, const QString& text) {
    ASSERT_NE(dialog, nullptr);
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (withoutMnemonic(button->text()) == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button \"" << text.toStdString() << "\" in \""
                  << dialog->windowTitle().toStdString() << "\"";
}

void pressKey(QWidget* dialog, int key, Qt::KeyboardModifiers modifiers) {
    ASSERT_NE(dialog, nullptr);
    QWidget* target = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

QWidget* control(HWND dialog, int id) {
    return vorn::fw::WidgetFromHandle(GetDlgItem(dialog, id));
}

QWidget* control(QWidget* dialog, int id) {
    return control(vorn::fw::HandleFromWidget(dialog), id);
}

QWidget* findWindow(const QString& caption) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->windowTitle() == caption) {
            return window;
        }
    }
    return nullptr;
}

QStringList takeSeenModals() {
    recordModals();
    QStringList seen = seenModals();
    seenModals().clear();
    return seen;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return QTest::qWaitFor(condition, static_cast<int>(timeout.count()));
}

QStringList leftoverWindows() {
    // Windows destroyed during the test are deleted once deferred deletions run.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList left;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() || window->property("vornTemplateId").isValid()) {
            left.append("\"" + window->windowTitle() + "\"");
        }
    }
    return left;
}

} // namespace vorn::test
