#pragma once

#include <QString>
#include <QStringList>

// Turns a pipe-form filter "pro(*.pro)|*.pro|All Files(*.*)|*.*||" (pairs of shown name and
// patterns, ';' between patterns, ended by an empty entry) into Qt's name filters
// {"pro (*.pro)", "All Files (*)"}. "*.*" becomes "*" so that names without a dot are shown
// too, as the name "All Files" promises. A name without patterns is left out.
QStringList toQtNameFilters(const QString& pipeFilter);
