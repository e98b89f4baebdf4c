#pragma once
// The colours both windows paint themselves in, whatever the desktop's colours: the grey of the
// windows, frames and plot (colour 7 of the standard 16-colour table), the white of the fields and
// results, black text on both (11.5 : 1 on the grey, 21 : 1 on the white), and a hint dark enough
// for 5.7 : 1 on the grey.

#include <QColor>

namespace lumitrak {

inline const QColor kGrey{192, 192, 192};
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
inline const QColor kHintGrey{64, 64, 64};

}  // namespace lumitrak
