// The table of subcommands; each lives in its own Cmd*.cpp file.
#include "cli/Command.h"

#include <cstdio>

int RunBench(const QStringList& args);
int RunLut(const QStringList& args);
int RunOperators(const QStringList& args);
int RunGrade(const QStringList& args);
int RunFrame(const QStringList& args);
int RunProbe(const QStringList& args);
int RunScope(const QStringList& args);

namespace
{
const SCliCommand kCommands[] = {
    {"bench", "bench NAME [--size WxH] [--iterations K] [--threads T] | bench --list", RunBench},
    {"lut", "lut identity --size N --out FILE.cube | lut bake --in SRC.cube --out DST.cube [--param NAME=VALUE ...] | "
            "lut apply --lut FILE.cube [--mode M] [--param NAME=VALUE ...] IN OUT | "
            "lut from-image REF --size 17|25|32|64 --method 1|2 --out FILE.cube | "
            "lut library [--add FILE.cube --name NAME | --remove NAME] | lut distance A B | lut match IN REF OUT", RunLut},
    {"operators", "operators (every catalogue entry: kernel, type, display key)", RunOperators},
    {"grade", "grade IN OUT [--preset FILE.ini] [--lut FILE.cube] [--lut-param NAME=VALUE ...] [--lut-mode M] "
              "[--film-type NAME --film-intensity S --film-grain G --film-position pre|post] | for clips (OUT .mp4 or .avi): "
              "[--codec 0|1] [--quality best|better|normal|low|lowest] [--artefact 0..4] [--no-audio] [--no-metadata] "
              "[--flip-x] [--flip-y] [--blend FRAMES:MODE] [--compare half|centre] [--size WxH]", RunGrade},
    {"probe", "probe CLIP", RunProbe},
    {"frame", "frame CLIP (--at MS | --frame N) --out FILE [--size WxH]  (--frame: the N-th frame, counting from 0)", RunFrame},
    {"scope", "scope IN OUT.png --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] "
              "[--preview N]", RunScope},
};
}  // namespace

std::span<const SCliCommand> CliCommands()
{
    return kCommands;
}

void CliError(const QString& message)
{
    std::fprintf(stderr, "vantrope-cli: %s\n", message.toLocal8Bit().constData());
}

void CliPrint(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}
