#include "ui/help/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kalder::ui {

// Drawn through the SVG library rather than left to an icon-engine plugin, which a system may
// lack.
QIcon program_icon() {
    QSvgRenderer renderer(QStringLiteral(":/data/icons/kalder.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace kalder::ui
