// Helpers the session tests share: a buffer's samples, small files written and read back, and
// chain entries taken straight from the catalogue; with the headers nearly every file of the
// folder needs.
#pragma once

#include "core/EngineState.h"
#include "core/ImageBuffer.h"
#include "engine/ChainEditor.h"
#include "engine/OperatorCatalogue.h"
#include "session/GradingSession.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/SyntheticImages.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace SessionTest
{
inline const QString kFilmTypes = QStringLiteral(VANTROPE_SOURCE_DIR "/resources/filmtypes_vantrope.xml");

/// Every sample of a 16-bit RGB buffer, row by row.
inline std::vector<uint16_t> Pixels(const Helper::CRGB48Buffer& buffer)
{
    auto& b = const_cast<Helper::CRGB48Buffer&>(buffer); // GetData has no const overload
    return {b.GetData(), b.GetData() + size_t(b.Width()) * b.Height() * 3};
}

/// Writes `bytes` to `path`, making its folder first; false when any step fails.
inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The catalogue's operator for `kernel` at its default values.
inline CPostProcessing::SOperator Operator(const char* kernel)
{
    return COperatorCatalogue::Shared().CreateOperator(*COperatorCatalogue::Shared().FindKernel(kernel));
}

/// Appends `kernel` to the session's chain through the editor, as the dock does.
inline int AddOperator(CGradingSession& session, const char* kernel)
{
    return CChainEditor(session.Chain(), COperatorCatalogue::Shared()).Add(kernel);
}
}  // namespace SessionTest
