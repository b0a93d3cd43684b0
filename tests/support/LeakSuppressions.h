// LeakSanitizer suppressions of every test program (read by the sanitizer at start-up); included
// by the two test entry points, one per program.
#pragma once
//
// PNGInput::PngReadCallback of the image library copies its reader's error text into a
// std::string and hands it to png_error, which longjmps out of the callback: the string's
// destructor never runs. Every read of a truncated PNG loses that one string inside the library,
// whatever we do afterwards (there is no error state left for us to clear), so exactly that
// frame is suppressed.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:PNGInput::PngReadCallback\n";
}
