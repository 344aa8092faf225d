#pragma once
// The pictures of the tool buttons (36 x 30) and of the direction items (16 x 16), drawn in code.

#include <QPixmap>

namespace jcw {

inline constexpr int kToolPictureCount = 17;
inline constexpr int kDirectionPictureCount = 4;

// 0 editor (pencil), 1 start (play), 2 open (folder), 3 save (floppy), 4 save as (floppy and
// pencil), 5 new (sheet), 6 undo (arrow), 7 clear (eraser), 8 auto (magic wand), 9 hint (light
// bulb), 10 options (sliders), 11 exit (door), 12 redo (arrow), 13 checkpoint (flag), 14 back
// to the checkpoint (arrow to the flag), 15 accept it (tick), 16 picture mode (grid and pencil).
// 0 <= index < kToolPictureCount.
QPixmap toolPicture(int index);

// 0 right, 1 down, 2 along the field, 3 towards the centre. 0 <= index < kDirectionPictureCount.
QPixmap directionPicture(int index);

}  // namespace jcw
