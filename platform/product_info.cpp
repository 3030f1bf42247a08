#include "platform/product_info.h"

#include "tallimo_product.h"

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

}  // namespace tallimo
