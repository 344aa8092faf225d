#pragma once
// The file names a drag from the desktop carries, for the windows that take dropped crosswords.

#include <string>
#include <vector>

class QDragEnterEvent;
class QMimeData;

namespace jcw {

// Every URL of the drag in order, as a local path (UTF-8); a URL that is not a local file gives
// an empty name, which names nothing.
std::vector<std::string> droppedFileNames(const QMimeData& data);

// Lets the drag in when it carries URLs; which one is opened is decided at the drop.
void acceptFileDrag(QDragEnterEvent& event);

}  // namespace jcw
