#include "platform/shell_execute.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/host.h"

namespace tallimo {

std::string_view ShellErrorMessage(int code) {
    switch (code) {
        case 0:
        case 8:
            return "Mémoire insuffisante.";
        case 2:
            return "Fichier non trouvé.";
        case 3:
            return "Erreur dans le chemin.";
        case 5:
            return "Accès au fichier refusé.";
        case 11:
            return "Erreur lors de l'ouverture du fichier.";
        case 26:
            return "Violation de partage.";
        case 27:
            return "Ce type de fichier n'a pas d'association valide.";
        case 28:
            return "Délai d'attente dépassé.";
        case 29:
            return "Erreur dans la transaction DDE.";
        case 30:
            return "L'application demandée est occupée.";
        case 31:
            return "Aucune application n'est associée à ce type de fichier.";
        case 32:
            return "Une DLL requise n'a pas été trouvée.";
        default:
            return "Une erreur est survenue pendant l'ouverture du fichier.";
    }
}

namespace {

// A scheme of two letters or more: "c:" is not one, and a path has none.
bool HasScheme(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

// What the desktop is asked to open, or the failure found before asking.
int Open(Host& host, const QString& operation, const QString& file, const QString& directory) {
    if (!operation.isEmpty() &&
        operation.compare(QStringLiteral("open"), Qt::CaseInsensitive) != 0) {
        return kShellNoAssociation;
    }
    const QString target = file.trimmed();
    if (target.isEmpty()) {
        return kShellFileNotFound;
    }
    if (HasScheme(target)) {
        return host.OpenUrl(QUrl(target, QUrl::StrictMode)) ? kShellOpened : kShellNoAssociation;
    }
    const QString path = QDir::isAbsolutePath(target) || directory.isEmpty()
                             ? target
                             : QDir(directory).filePath(target);
    const QFileInfo info(path);
    if (!info.dir().exists()) {
        return kShellPathNotFound;
    }
    if (!info.exists()) {
        return kShellFileNotFound;
    }
    if (!info.isReadable()) {
        return kShellAccessDenied;
    }
    return host.OpenUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? kShellOpened
                                                                      : kShellNoAssociation;
}

}  // namespace

int ShellExecuteDoc(Host& host, QWidget* /*owner*/, const QString& operation, const QString& file,
                    const QString& /*parameters*/, const QString& directory, int /*show_mode*/,
                    bool show_errors) {
    const int result = Open(host, operation, file, directory);
    if (show_errors && result <= 32) {
        host.ShowMessage(ShellErrorMessage(result), MessageIcon::Critical);
    }
    return result;
}

}  // namespace tallimo
