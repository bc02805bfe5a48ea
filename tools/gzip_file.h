#pragma once

#include <QByteArray>

namespace vz::tools {

// The bytes wrapped as a gzip file (RFC 1952), as gunzip and the SVG reader
// read .svgz files.
QByteArray gzipCompress(const QByteArray& bytes);

} // namespace vz::tools
