// Which files the main window opens: drops, command lines and the plug-in exchange file.
#include "session/DocumentFiles.h"
#include "session/ExchangeFile.h"
#include "tests/session/SessionTestUtil.h"

using namespace DocumentFiles;

namespace
{
QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    return SessionTest::WriteFile(dir.filePath(name), content) ? dir.filePath(name) : QString();
}
}  // namespace

TEST(DocumentFiles, DropsAreClassifiedByName)
{
    const std::pair<const char*, EDropKind> cases[] = {
        {"/a/clip.mp4", EDropKind::Video},
        {"/a/CLIP.MP4", EDropKind::Video},
        {"/a/clip.Mkv", EDropKind::Video},
        {"/a/look.vantropeProject", EDropKind::Project},
        {"/a/look.VANTROPEPROJECT", EDropKind::Other},
        {"/a/look.vantropeproject", EDropKind::Other},
        {"/a/extra.vaddon", EDropKind::Addon},
        {"/a/picture.jpg", EDropKind::Other},
        {"/a/clip.mp4.txt", EDropKind::Other},
        {"/a/mp4", EDropKind::Other},
        {"", EDropKind::Other},
    };
    for (const auto& [file, kind] : cases)
        EXPECT_EQ(ClassifyDrop(file), kind) << file;
}

TEST(DocumentFiles, CommandLineKindsAndTheirLogLines)
{
    const struct { const char *text; bool filter; ECommandKind kind; const char *path, *logged; } cases[] = {
        {"", false, ECommandKind::None, "", ""},
        {"/a/clip.tif", true, ECommandKind::None, "", ""},
        {"/a/x.vantropeProject", true, ECommandKind::None, "", ""},
        {"-rawdevelopment /a/raw.cr2", false, ECommandKind::RawDevelopment, "/a/raw.cr2", ""},
        {"/a/x.vantropeProject", false, ECommandKind::Project, "/a/x.vantropeProject", "OpenProject: /a/x.vantropeProject"},
        {"/a/Host.LIF", false, ECommandKind::Exchange, "/a/Host.LIF", "Command Line Load:/a/Host.LIF"},
        {"/a/P.JPEG", false, ECommandKind::StillImage, "/a/P.JPEG", "Command Line Lower:/a/p.jpeg"},
        {"/a/p.tif32", false, ECommandKind::StillImage, "/a/p.tif32", ""},
        {"/a/p.hdr", false, ECommandKind::StillImage, "/a/p.hdr", ""},
        {"/a/clip.mp4", false, ECommandKind::Unknown, "/a/clip.mp4", ""},
        {"-rawdevelopment", false, ECommandKind::Unknown, "-rawdevelopment", ""},
    };
    for (const auto& c : cases)
    {
        CLogCapture log;
        const SCommand command = InterpretCommandLine(c.text, c.filter);
        EXPECT_EQ(command.kind, c.kind) << c.text;
        EXPECT_EQ(command.path, c.path) << c.text;
        EXPECT_NE(log.Text().find(c.logged), std::string::npos) << c.text;
    }
}

TEST(DocumentFiles, DialogFilters)
{
    const QStringList video = VideoDialogFilter().split(";;");
    ASSERT_EQ(video.size(), 11);
    EXPECT_EQ(QStringList({video[0], video[3], video[10]}),
              QStringList({"MPEG (*.mpg *.mpeg *.mp4 *.mp2 *.mpe)", "WebM (*.webm *.vp8 *.vp9)", "Alle Dateien (*.*)"}));
    // Every pattern of the video list is accepted as a video when dropped.
    for (const QString& entry : video.mid(0, 10))
        for (const QString& pattern : entry.section('(', 1).chopped(1).split(' '))
            EXPECT_TRUE(IsVideoFile("/a/x" + pattern.mid(1))) << pattern.toStdString();

    const QString still = StillDialogFilter();
    for (const QString& extension : StillExtensions())
        EXPECT_TRUE(still.contains("*" + extension + " ") || still.contains("*" + extension + ")"))
            << extension.toStdString();
}

TEST(ExchangeFile, ReadsValuesAndImagesBelowTheCount)
{
    QTemporaryDir dir;
    const QString path = Write(dir, "host.lif",
                               "<?xml version=\"1.0\"?>\n<LIF>\n"
                               " <SourceApplication>Host</SourceApplication>\n"
                               " <ImageCount>2</ImageCount>\n"
                               " <ImportPath>/in</ImportPath>\n"
                               " <ExportPath>/out/</ExportPath>\n"
                               " <PluginType>Filter</PluginType>\n"
                               " <ExportImage>result.tif</ExportImage>\n"
                               " <Image0001>b.tif</Image0001>\n"
                               " <Image0000>a.tif</Image0000>\n"
                               " <Image0002>beyond-count.tif</Image0002>\n"
                               "</LIF>\n");
    SExchangeFile file;
    CLogCapture log;
    ASSERT_TRUE(ReadExchangeFile(path, file));
    EXPECT_EQ(QStringList({file.sSourceApplication, file.sExportPath, file.sPluginType, file.sExportImage, file.sSourcePath}),
              QStringList({"Host", "/out/", "Filter", "result.tif", "NA"}));
    EXPECT_EQ(file.iImageCount, 2);
    EXPECT_EQ(file.images, QStringList({"/in/a.tif", "/in/b.tif"}));

    for (const char* line : {"SourceApplication: Host", "ImageCount: 2", "ImportPath: /in", "ExportPath: /out/",
                             "SourcePath: NA", "PluginType: Filter", "ExportFile: result.tif",
                             "Path of Image 0: /in/a.tif", "Path of Image 1: /in/b.tif"})
        EXPECT_NE(log.Text().find(line), std::string::npos) << line;
}

TEST(ExchangeFile, BrokenAndHostileFiles)
{
    QTemporaryDir dir;
    const struct { const char* name; QByteArray content; bool ok; int count, images; } cases[] = {
        {"broken.lif", "<LIF><ImageCount>1</ImageCount><Image0000>a</Image0000>", false, 0, 0},
        {"garbage.lif", "\x01\x02 not xml", false, 0, 0},
        {"mismatch.lif", "<LIF><ImportPath>/x</Import></LIF>", false, 0, 0},
        {"negative.lif", "<LIF><ImageCount>-5</ImageCount><Image0000>a</Image0000></LIF>", true, 0, 0},
        {"nan.lif", "<LIF><ImageCount>many</ImageCount><Image0000>a</Image0000></LIF>", true, 0, 0},
        {"huge.lif", "<LIF><ImageCount>2147483647</ImageCount><Image0000>a</Image0000></LIF>", true, 10000, 1},
        {"overflow.lif", "<LIF><ImageCount>99999999999999</ImageCount></LIF>", true, 0, 0},
        {"entities.lif",
         "<?xml version=\"1.0\"?><!DOCTYPE LIF [<!ENTITY a \"aaaaaaaaaaaaaaaa\">"
         "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
         "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
         "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>"
         "<LIF><SourceApplication>&e;&e;&e;&e;&e;&e;&e;&e;</SourceApplication></LIF>",
         false, 0, 0},
        {"gap.lif", "<LIF><ImageCount>3</ImageCount><Image0000>a</Image0000><Image0002>c</Image0002></LIF>", true,
         3, 2},
    };
    for (const auto& c : cases)
    {
        SExchangeFile file;
        file.sSourceApplication = "untouched";
        CLogCapture log;
        EXPECT_EQ(ReadExchangeFile(Write(dir, c.name, c.content), file), c.ok) << c.name;
        if (!c.ok)
        {
            EXPECT_NE(log.Text().find("Invalid token found"), std::string::npos) << c.name;
            EXPECT_EQ(file.sSourceApplication, "untouched") << c.name;
            continue;
        }
        EXPECT_EQ(file.iImageCount, c.count) << c.name;
        EXPECT_EQ(file.images.size(), c.images) << c.name;
    }
    SExchangeFile file;
    EXPECT_FALSE(ReadExchangeFile(dir.filePath("missing.lif"), file));
    EXPECT_FALSE(ReadExchangeFile(dir.path(), file)); // a folder
}
