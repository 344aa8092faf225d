#pragma once
// Finds a window's control by the object name the program gives it; a missing one ends the test
// run at once, since every check after it would be meaningless.

#include <QObject>
#include <QString>

namespace jcw::test {

template <typename T = QObject>
T* namedChild(const QObject& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("no child %s", name);
  return found;
}

}  // namespace jcw::test
