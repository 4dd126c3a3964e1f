#include "view3d/objmeshreader.h"

#include "app/core/setting.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QtDebug>

namespace {

// Index counted from 1 into a list of size entries; -1 when it names none.
int listIndex(const QString& token, std::size_t size)
{
    bool ok = false;
    const long long index = token.toLongLong(&ok);
    if (!ok || index < 1 || std::size_t(index) > size)
        return -1;
    return int(index - 1);
}

// The line's words between runs of ASCII white space (a regular expression
// split costs more than the rest of the reading).
QStringList words(const QString& line)
{
    QStringList tokens;
    int start = 0;
    const int size = line.size();
    for (int i = 0; i <= size; ++i) {
        const ushort c = i < size ? line.at(i).unicode() : ushort(' ');
        if (c != ' ' && (c < '\t' || c > '\r'))
            continue;
        if (i > start || tokens.isEmpty())
            tokens << line.mid(start, i - start);
        start = i + 1;
    }
    return tokens;
}

struct ObjLists
{
    std::vector<ObjMeshReader::Point> positions;
    std::vector<std::array<float, 2>> texCoords;
    std::vector<ObjMeshReader::Point> normals;
};

// Parses one face line's first three corners; false when any corner names
// something that was not read.
bool readFace(const QStringList& tokens, const ObjLists& lists, ObjFace& face)
{
    if (tokens.size() < 4)
        return false;
    const bool withTexture = !lists.texCoords.empty();
    for (int k = 0; k < 3; ++k) {
        const QStringList parts = tokens.at(k + 1).split(QLatin1Char('/'));
        if (parts.size() < 3)
            return false;
        const int position = listIndex(parts.at(0), lists.positions.size());
        const int normal = listIndex(parts.at(2), lists.normals.size());
        const int texture = withTexture ? listIndex(parts.at(1), lists.texCoords.size()) : 0;
        if (position < 0 || normal < 0 || texture < 0)
            return false;
        face.positions[k] = lists.positions[position];
        face.normals[k] = lists.normals[normal];
        if (withTexture)
            face.texCoords[k] = lists.texCoords[texture];
    }
    return true;
}

template <std::size_t N> bool readNumbers(const QStringList& tokens, std::array<float, N>& out)
{
    if (std::size_t(tokens.size()) < N + 1)
        return false;
    // A token that is not a number reads as 0.
    for (std::size_t i = 0; i < N; ++i)
        out[i] = tokens.at(int(i) + 1).toFloat();
    return true;
}

} // namespace

bool ObjMeshReader::read(const QString& path, std::vector<ObjFace>& faces)
{
    faces.clear();
    if (!QFileInfo::exists(path)) {
        qWarning().noquote() << "File does not exist";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "Can't open file";
        return false;
    }

    ObjLists lists;
    int lineNumber = 0;
    int badLines = 0;
    int firstBadLine = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList tokens = words(line);
        const QString keyword = tokens.at(0).toLower();
        bool good = true;
        if (keyword == QLatin1String("v")) {
            Point p;
            if ((good = readNumbers(tokens, p)))
                lists.positions.push_back(p);
        } else if (keyword == QLatin1String("vt")) {
            std::array<float, 2> t;
            if ((good = readNumbers(tokens, t)))
                lists.texCoords.push_back(t);
        } else if (keyword == QLatin1String("vn")) {
            Point n;
            if ((good = readNumbers(tokens, n)))
                lists.normals.push_back(n);
        } else if (keyword == QLatin1String("f")) {
            ObjFace face;
            if ((good = readFace(tokens, lists, face)))
                faces.push_back(face);
        }
        if (!good && badLines++ == 0)
            firstBadLine = lineNumber;
    }
    if (badLines > 0)
        qWarning().noquote() << "ObjMeshReader::read" << path << "skipped" << badLines
                             << "malformed lines, the first at line" << firstBadLine << "-> NG";
    return true;
}

void ObjMeshReader::toArrays(const std::vector<ObjFace>& faces, std::vector<Point>& vertices,
                             std::vector<Point>& normals)
{
    vertices.clear();
    normals.clear();
    vertices.reserve(3 * faces.size());
    normals.reserve(3 * faces.size());
    for (const ObjFace& face : faces) {
        for (int k = 0; k < 3; ++k) {
            vertices.push_back(face.positions[k]);
            normals.push_back(face.normals[k]);
        }
    }
}

void loadMonitoringMesh(const QString& fileName, std::vector<ObjMeshReader::Point>& vertices,
                        std::vector<ObjMeshReader::Point>& normals)
{
    const QString path = QStringLiteral("%1/%2").arg(
        Setting::instance()->value(QStringLiteral("MonitoringModelPath")), fileName);
    std::vector<ObjFace> faces;
    if (!ObjMeshReader::read(path, faces)) {
        qCritical().noquote() << "Can't Open File.";
        return;
    }
    ObjMeshReader::toArrays(faces, vertices, normals);
}
