// Our own drawn icons for files, folders, drives and programs, for desktops without a theme.
#pragma once

#include <QImage>
#include <QString>

namespace nx {

enum class FileIconKind { File, Folder, Drive, Program };

// What a path shows as: "C:", "C:\", "C:/" and "/" are drives; an existing directory
// (such as ".") is a folder; an executable or a name ending in .exe, .com, .bat or
// .cmd is a program; anything else is a file.
FileIconKind fileIconKind(const QString& path);

// The built-in image of a kind, size x size pixels (premultiplied ARGB32); the same image for the
// same arguments during a run.
QImage builtinFileIcon(FileIconKind kind, int size);

}  // namespace nx
