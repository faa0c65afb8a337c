#include "ui/filereading.h"

#include <QFile>

namespace varnel::ui {

forms::FileContents readFileUpTo(const QString& path, std::uintmax_t limit) {
    QFile file(path);
    forms::FileContents contents;
    if (!file.exists()) {
        contents.error = "文件不存在";
        return contents;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.error() == QFileDevice::PermissionsError ? "没有读取这个文件的权限"
                                                                       : file.errorString().toStdString();
        return contents;
    }
    contents.size = static_cast<std::uintmax_t>(file.size());
    if (contents.size > limit) {
        contents.tooLarge = true;
        return contents;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) {
        contents.error = file.errorString().toStdString();
        return contents;
    }
    contents.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    contents.size = contents.bytes.size();
    contents.tooLarge = contents.size > limit;
    return contents;
}

} // namespace varnel::ui
