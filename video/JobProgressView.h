// The progress window of an export job as the job sees it: a title, the categories it will
// report on (the fractions themselves travel through MP_Progress), a line of text, and a pause
// while the job asks the user something. Its abort button is wired to CMovieHandling::OnAbort().
#pragma once

#include <QString>

class IJobProgressView
{
public:
    virtual ~IJobProgressView() = default;
    /// The job starts: `expectedCategories` is how many categories it will register.
    virtual void Open(const QString& title, int expectedCategories) = 0;
    virtual void AddCategory(int id) = 0;
    virtual void SetText(const QString& text) = 0;
    /// Stops (true) or restarts (false) the clock and repaints while a question is open.
    virtual void Suspend(bool on) = 0;
    /// The job has ended.
    virtual void Close() = 0;
};
