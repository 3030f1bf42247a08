#include "help/ui/product_info.h"

#include "tallimo_product.h"

// The pictures are resources of a static library: the linker keeps them only
// when they are asked for by name.
static void LoadProductResources() {
    Q_INIT_RESOURCE(resources);
}

namespace tallimo {

ProductInfo Product() {
    return ProductInfo{
        QStringLiteral(TALLIMO_PRODUCT_NAME),
        QStringLiteral("%1.%2.%3")
            .arg(TALLIMO_VERSION_MAJOR)
            .arg(TALLIMO_VERSION_MINOR)
            .arg(TALLIMO_VERSION_PATCH),
        QString::fromUtf8(TALLIMO_DESCRIPTION),
        QString::fromUtf8(TALLIMO_LEGAL_NOTICE),
        QStringLiteral(TALLIMO_CONTACT_MAIL),
        QStringLiteral(TALLIMO_HOME_PAGE),
    };
}

QIcon ProgramIcon() {
    LoadProductResources();
    return QIcon(QStringLiteral(":/tallimo/tallimo.png"));
}

QPixmap AboutPicture() {
    LoadProductResources();
    return QPixmap(QStringLiteral(":/tallimo/about.png"));
}

}  // namespace tallimo
