#include "ui/app/accessibility.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "ui/controls/accessible_press.h"
#include "ui/msgbox/msg_form_view.h"

namespace kalder::ui {

namespace {

class PressableAccessible : public QAccessibleWidget {
  public:
    explicit PressableAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

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
};

QAccessibleInterface* kalder_accessible(const QString& class_name, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (dynamic_cast<AccessiblePress*>(object) != nullptr) return new PressableAccessible(widget);
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
