// The control's icon: a small tree of dots, drawn rather than loaded so it needs no resource.
#pragma once

#include <QIcon>

namespace ramulo {

QIcon ramuloIcon();

}  // namespace ramulo
