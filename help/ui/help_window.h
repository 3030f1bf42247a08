// The program's own help window: the contents and the index on the left,
// the page on the right, with back, forward and contents buttons. It reads
// the installed French HTML pages only; links to the web go to the desktop.
#pragma once

#include <QWidget>

#include "help/ui/help_book.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace tallimo {

class Host;

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(Host& host, HelpBook book, QWidget* parent = nullptr);

    // -1: the contents page with the contents tab; 0: the index tab, its
    // field ready for a keyword; another context: its topic (the contents
    // when no topic has it).
    void ShowContext(int context);
    const HelpBook& Book() const { return book_; }
    // The page shown, as a path relative to the help's folder with its anchor.
    QString CurrentPage() const;

  private:
    void ShowPage(const QString& page);
    void FollowLink(const QUrl& link);
    void SelectIndexEntry(const QString& typed);
    void OpenIndexEntry();
    void MarkTopicOf(const QUrl& source);
    QTreeWidgetItem* AddTopic(const HelpTopic& topic, QTreeWidgetItem* parent);

    Host& host_;
    HelpBook book_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* index_field_ = nullptr;
    QListWidget* index_list_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

// Shown, with the critical icon, when the help's files cannot be read.
inline constexpr char kHelpMissingMessage[] =
    "L'aide de Tallimo est introuvable ou illisible.\r\nRéinstallez le programme.";

// Opens the help in its window, over `parent`, at `context`. One window
// serves every call: a second call shows it again at the new context. When
// the help's files are missing, a message says so and nothing opens.
void ShowHelp(Host& host, QWidget* parent, int context);

// The same with the help read from `folder`; returns the window shown, or
// nothing when the folder holds no readable help.
HelpWindow* ShowHelpFrom(Host& host, QWidget* parent, const QString& folder, int context);

}  // namespace tallimo
