#include "platform/c_open_save_file.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/host.h"

namespace tallimo {

cOpenSaveFile::cOpenSaveFile(Host& host) : Owner(QApplication::activeWindow()), host_(host) {}

QStringList cOpenSaveFile::NameFilters() const {
    QStringList filters;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the description.
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

QStringList cOpenSaveFile::Run(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.owner = Owner;
    request.title = DlgTitle;
    request.directory = InitDir;
    request.file_name = FileName;
    request.name_filters = NameFilters();
    request.filter_index = FilterIndex > 0 ? FilterIndex - 1 : 0;
    request.default_suffix = DefaultExt;
    request.allow_multi_select = AllowMultiSelect && !save;
    request.file_must_exist = FileMustExist;
    request.overwrite_prompt = OverWritePrompt;

    Host::ChosenFiles chosen = host_.ChooseFiles(request);
    QStringList& paths = chosen.paths;
    if (paths.isEmpty()) {
        return {};
    }
    if (save && !DefaultExt.isEmpty() && QFileInfo(paths.front()).suffix().isEmpty()) {
        paths.front() += QLatin1Char('.') + DefaultExt;
    }
    FileName = paths.size() == 1 ? paths.front() : paths.join(QChar(0));
    file_title_ = QFileInfo(paths.front()).fileName();
    FilterIndex = chosen.filter_index + 1;
    return paths;
}

int cOpenSaveFile::ShowOpen() {
    return static_cast<int>(Run(false).size());
}

bool cOpenSaveFile::ShowSave() {
    return !Run(true).isEmpty();
}

}  // namespace tallimo
