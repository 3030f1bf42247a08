#pragma once

#include <QPixmap>

namespace tallimo {

// The 16 x 15 picture of a pinned note that marks a line with a comment.
const QPixmap& CommentPicture();

}  // namespace tallimo
