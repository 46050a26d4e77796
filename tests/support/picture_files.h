// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture files made by the tests themselves, in a temporary folder.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

namespace grafipix::testing {

inline QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);  // opened by the writer
    image.save(&buffer, format);
    return bytes;
}

class TempFolder {
public:
    std::string path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    std::string write(const std::string& name, const QByteArray& bytes) const {
        QFile f(QString::fromStdString(path(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(name);
    }
    QStringList names() const { return QDir(dir_.path()).entryList(QDir::Files); }

private:
    QTemporaryDir dir_;
};

inline QByteArray readall(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace grafipix::testing
