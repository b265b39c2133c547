#include "ui/app/accessibility.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "ui/controls/accessible_press.h"
#include "ui/msgbox/msg_form_view.h"

namespace kalder::ui {

namespace {

class PressableAccessible : public QAccessibleWidget {
  public:
    PressableAccessible(QWidget* widget, const AccessiblePress& pressable)
        : QAccessibleWidget(widget, QAccessible::Button), pressable_(pressable) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (pressable_.has_cursor()) state.focused = true;
        return state;
    }

    // The name is the tooltip already; read again as the description it would be said twice.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!widget()->isEnabled()) return;
        // The press may open a modal window: it runs once the reader's request is answered,
        // or the reader would wait for the window to close.
        QWidget* target = widget();
        QTimer::singleShot(0, target, [target] {
            if (auto* pressable = dynamic_cast<AccessiblePress*>(target)) {
                pressable->accessible_press();
            }
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    const AccessiblePress& pressable_;
};

QAccessibleInterface* kalder_accessible(const QString& class_name, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (const auto* pressable = dynamic_cast<const AccessiblePress*>(object)) {
        return new PressableAccessible(widget, *pressable);
    }
    if (class_name == QLatin1String(MsgFormView::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    }
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(kalder_accessible);
        return true;
    }();
    (void)installed;
}

}  // namespace kalder::ui
