#include "ui/controls/file_dialog.h"

#include <QFileSystemModel>
#include <QTreeView>

#include "ui/app/scaled_window.h"

namespace kalder::ui {

void configure_file_dialog(QFileDialog& dialog, const FileNameRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setDirectory(QString::fromStdString(request.start_folder));
    dialog.setNameFilter(QString::fromStdString(request.filter_label));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // Qt's dialog names its file list model so; the patterns go to it directly.
    if (auto* files = dialog.findChild<QFileSystemModel*>("qt_filesystem_model")) {
        files->setNameFilters(
            QString::fromStdString(request.patterns).split(';', Qt::SkipEmptyParts));
        // The names come in after the dialog opens; the columns then make room for them.
        if (auto* details = dialog.findChild<QTreeView*>()) {
            QObject::connect(files, &QFileSystemModel::directoryLoaded, details,
                             [details] { fit_columns(*details); });
        }
    }
}

}  // namespace kalder::ui
