#include "help/ui/frm_about.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/ui/product_info.h"
#include "platform/shell_execute.h"

namespace tallimo {

namespace {

constexpr int kShowDefault = 10;

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    return label;
}

// One of the two lines of the separator.
QFrame* AddLine(QWidget* parent, const char* name, const QColor& color) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    return line;
}

// A link: blue, with the hand pointer; it takes the focus from the keyboard
// too, where Enter or Space opens it.
void MakeLink(QLabel* label, const QString& description) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleDescription(description);
}

}  // namespace

FrmAbout::FrmAbout(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("A propos de"));
    const ProductInfo product = Product();

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgAbout"));
    picture->setPixmap(AboutPicture());
    picture->setFixedSize(193, 105);
    picture->setAccessibleName(product.name);

    QLabel* title = AddLabel(this, "lblTitle", product.name);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QLabel* version = AddLabel(this, "lblVersion", QStringLiteral("Version ") + product.version);
    QLabel* description = AddLabel(this, "lblDescription", product.description);
    description->setWordWrap(true);
    QLabel* disclaimer = AddLabel(this, "lblDisclaimer", product.legal_notice);
    disclaimer->setWordWrap(true);

    QLabel* mail_caption = AddLabel(this, "lblMail0", QStringLiteral("Mail:"));
    mail_ = AddLabel(this, "lblMail1", product.contact_mail);
    MakeLink(mail_, QStringLiteral("Écrire un courriel"));
    QLabel* web_caption = AddLabel(this, "lblWeb0", QStringLiteral("Web:"));
    web_ = AddLabel(this, "lblWeb1", product.home_page);
    MakeLink(web_, QStringLiteral("Ouvrir le site web"));
    mail_caption->setBuddy(mail_);
    web_caption->setBuddy(web_);
    mail_->installEventFilter(this);
    web_->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(description);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* separator = new QVBoxLayout;
    separator->setSpacing(0);
    separator->addWidget(AddLine(this, "Line10", QColor(128, 128, 128)));
    separator->addWidget(AddLine(this, "Line11", QColor(255, 255, 255)));

    auto* links = new QGridLayout;
    links->addWidget(mail_caption, 0, 0);
    links->addWidget(mail_, 0, 1);
    links->addWidget(web_caption, 1, 0);
    links->addWidget(web_, 1, 1);
    links->setColumnStretch(1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(disclaimer);
    layout->addLayout(separator);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    disclaimer->setFixedWidth(420);
    ok->setFocus();
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link == mail_ || link == web_) {
        switch (event->type()) {
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                    link->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                    OpenLink(link);
                    return true;
                }
                break;
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                    OpenLink(link);
                    return true;
                }
                break;
            }
            case QEvent::FocusIn:
            case QEvent::FocusOut: {
                QFont font = link->font();
                font.setUnderline(event->type() == QEvent::FocusIn);
                link->setFont(font);
                break;
            }
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::OpenLink(QLabel* link) {
    // The address is written after "mailto:" without the space that some
    // desktops would keep as part of it.
    const QString file = link == mail_ ? QStringLiteral("mailto:") + link->text() : link->text();
    ShellExecuteDoc(host_, nullptr, QStringLiteral("open"), file, QString(), QString(),
                    kShowDefault, false);
}

void ShowAbout(Host& host, QWidget* parent) {
    FrmAbout about(host, parent);
    about.exec();
}

}  // namespace tallimo
