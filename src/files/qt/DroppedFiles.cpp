#include "files/qt/DroppedFiles.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

namespace jcw {

std::vector<std::string> droppedFileNames(const QMimeData& data) {
  std::vector<std::string> names;
  for (const QUrl& url : data.urls()) names.push_back(url.toLocalFile().toStdString());
  return names;
}

void acceptFileDrag(QDragEnterEvent& event) {
  if (event.mimeData()->hasUrls()) event.acceptProposedAction();
}

}  // namespace jcw
