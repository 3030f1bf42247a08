#include "help/ui/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/host.h"
#include "platform/shell_execute.h"

namespace tallimo {

namespace {

constexpr int kPageRole = Qt::UserRole;

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

// Accents and case do not matter when looking up a keyword.
QString Folded(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded += c.toCaseFolded();
        }
    }
    return folded;
}

}  // namespace

HelpWindow::HelpWindow(Host& host, HelpBook book, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), book_(std::move(book)) {
    setObjectName(QStringLiteral("frmAide"));
    setWindowTitle(book_.title);
    setAccessibleName(book_.title);

    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("trvSommaire"));
    contents_->setAccessibleName(QStringLiteral("Sommaire"));
    contents_->setHeaderHidden(true);
    for (const HelpTopic& topic : book_.topics) {
        AddTopic(topic, nullptr);
    }
    contents_->expandAll();
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });

    auto* index_page = new QWidget;
    auto* index_label = new QLabel(QStringLiteral("&Tapez le début du mot cherché :"));
    index_field_ = new QLineEdit;
    index_field_->setObjectName(QStringLiteral("txtIndex"));
    index_field_->setAccessibleName(QStringLiteral("Mot cherché"));
    index_label->setBuddy(index_field_);
    index_list_ = new QListWidget;
    index_list_->setObjectName(QStringLiteral("lstIndex"));
    index_list_->setAccessibleName(QStringLiteral("Index"));
    for (const HelpIndexEntry& entry : book_.index) {
        auto* item = new QListWidgetItem(entry.keyword, index_list_);
        item->setData(kPageRole, entry.page);
    }
    index_list_->sortItems();
    auto* show_entry = AddButton(index_page, "cmdAfficher", QStringLiteral("&Afficher"),
                                 QStringLiteral("Affiche la page du mot choisi"));
    auto* index_layout = new QVBoxLayout(index_page);
    index_layout->addWidget(index_label);
    index_layout->addWidget(index_field_);
    index_layout->addWidget(index_list_, 1);
    index_layout->addWidget(show_entry, 0, Qt::AlignRight);
    connect(index_field_, &QLineEdit::textEdited, this, &HelpWindow::SelectIndexEntry);
    connect(index_field_, &QLineEdit::returnPressed, this, &HelpWindow::OpenIndexEntry);
    connect(index_list_, &QListWidget::itemActivated, this, &HelpWindow::OpenIndexEntry);
    connect(show_entry, &QPushButton::clicked, this, &HelpWindow::OpenIndexEntry);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabAide"));
    tabs_->setAccessibleName(QStringLiteral("Sommaire et index"));
    tabs_->addTab(contents_, QStringLiteral("&Sommaire"));
    tabs_->addTab(index_page, QStringLiteral("&Index"));

    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("brwPage"));
    browser_->setAccessibleName(QStringLiteral("Page d'aide"));
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({book_.folder});
    // The pages' style sheet, which the browser does not fetch by itself.
    QFile style(QDir(book_.folder).filePath(QStringLiteral("aide.css")));
    if (style.open(QIODevice::ReadOnly)) {
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    }
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkTopicOf);

    auto* back = AddButton(this, "cmdPrecedent", QStringLiteral("&Précédent"),
                           QStringLiteral("Page précédente (Alt+Gauche)"));
    auto* forward = AddButton(this, "cmdSuivant", QStringLiteral("Sui&vant"),
                              QStringLiteral("Page suivante (Alt+Droite)"));
    auto* home = AddButton(this, "cmdSommaire", QStringLiteral("S&ommaire"),
                           QStringLiteral("Page d'accueil de l'aide"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { ShowContext(kHelpContents); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(820, 600);
}

QTreeWidgetItem* HelpWindow::AddTopic(const HelpTopic& topic, QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    item->setText(0, topic.title);
    item->setData(0, kPageRole, topic.page);
    for (const HelpTopic& child : topic.children) {
        AddTopic(child, item);
    }
    return item;
}

void HelpWindow::ShowContext(int context) {
    if (context == kHelpIndex) {
        if (browser_->source().isEmpty()) {
            ShowPage(book_.home);
        }
        tabs_->setCurrentIndex(1);
        index_field_->setFocus();
        index_field_->selectAll();
        return;
    }
    const QString page = context == kHelpContents ? QString() : book_.PageOfContext(context);
    ShowPage(page.isEmpty() ? book_.home : page);
    if (page.isEmpty()) {
        tabs_->setCurrentIndex(0);
    }
    browser_->setFocus();
}

QString HelpWindow::CurrentPage() const {
    const QUrl source = browser_->source();
    QString page = QDir(book_.folder).relativeFilePath(source.toLocalFile());
    if (source.hasFragment()) {
        page += QLatin1Char('#') + source.fragment();
    }
    return page;
}

void HelpWindow::ShowPage(const QString& page) {
    if (page.isEmpty()) {
        return;
    }
    const QUrl relative(page);
    QUrl target = QUrl::fromLocalFile(QDir(book_.folder).filePath(relative.path()));
    target.setFragment(relative.fragment());
    browser_->setSource(target);
}

void HelpWindow::FollowLink(const QUrl& link) {
    if (link.isRelative() || link.isLocalFile()) {
        browser_->setSource(browser_->source().resolved(link));
        return;
    }
    // The web and e-mail: the desktop's applications, with the shell's
    // messages when they fail.
    ShellExecuteDoc(host_, this, QStringLiteral("open"), link.toString(), QString(), QString(), 10,
                    true);
}

void HelpWindow::SelectIndexEntry(const QString& typed) {
    const QString wanted = Folded(typed);
    for (int row = 0; row < index_list_->count(); ++row) {
        if (Folded(index_list_->item(row)->text()).startsWith(wanted)) {
            index_list_->setCurrentRow(row);
            index_list_->scrollToItem(index_list_->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::OpenIndexEntry() {
    if (QListWidgetItem* item = index_list_->currentItem()) {
        ShowPage(item->data(kPageRole).toString());
    }
}

void HelpWindow::MarkTopicOf(const QUrl& source) {
    const QString page = QDir(book_.folder).relativeFilePath(source.toLocalFile());
    const QString with_anchor =
        source.hasFragment() ? page + QLatin1Char('#') + source.fragment() : page;
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QString topic = (*it)->data(0, kPageRole).toString();
        if (topic == with_anchor) {
            best = *it;
            break;
        }
        if (!best && topic == page) {
            best = *it;
        }
    }
    if (best) {
        const QSignalBlocker quiet(contents_);
        contents_->setCurrentItem(best);
    }
}

HelpWindow* ShowHelpFrom(Host& host, QWidget* parent, const QString& folder, int context) {
    HelpWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(top)) {
            window = help;
            break;
        }
    }
    if (!window) {
        std::optional<HelpBook> book = folder.isEmpty() ? std::nullopt : LoadHelpBook(folder);
        if (!book) {
            host.ShowMessage(kHelpMissingMessage, MessageIcon::Critical);
            return nullptr;
        }
        window = new HelpWindow(host, std::move(*book), parent);
        if (!parent) {
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    window->ShowContext(context);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ShowHelp(Host& host, QWidget* parent, int context) {
    ShowHelpFrom(host, parent, FindHelpFolder(), context);
}

}  // namespace tallimo
