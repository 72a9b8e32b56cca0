#include "toolkit/standard_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "platform/paths.h"
#include "toolkit/qt_conversions.h"

namespace qor {

void YIELDIT() {
    QCoreApplication::processEvents();
}

std::optional<std::string> open_file_dialog(
    QWidget* parent, std::string_view title,
    const std::vector<std::pair<std::string, std::string>>& filters, std::string_view start) {
    std::size_t cut = start.find_last_of("\\/");
    std::string folder =
        cut == std::string_view::npos ? std::string() : std::string(start.substr(0, cut));
    std::string pattern(cut == std::string_view::npos ? start : start.substr(cut + 1));
    QFileDialog dialog(parent, qt_text(title));
    dialog.setObjectName("fileOpenDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The package's files come in any case: "*.HG?" must list run1.hg1 too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList names;
    QString selected;
    for (const auto& [label, patterns] : filters) {
        QString entry = qt_text(label) + " (" + qt_text(patterns) + ")";
        names << entry;
        if (selected.isEmpty() && patterns == pattern) selected = entry;
    }
    if (selected.isEmpty() && !pattern.empty()) {
        selected = qt_text(pattern) + " (" + qt_text(pattern) + ")";
        names.prepend(selected);
    }
    dialog.setNameFilters(names);
    if (!selected.isEmpty()) dialog.selectNameFilter(selected);
    if (!folder.empty()) {
        std::string native = native_path(folder);
        if (directory_exists(folder)) dialog.setDirectory(QFile::decodeName(native.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    QByteArray chosen = QFile::encodeName(files.front());
    return std::string(chosen.constData(), static_cast<std::size_t>(chosen.size()));
}

}  // namespace qor
