#pragma once

#include <QString>

// The database files this process has open through the engine, and the files the engine and the
// program keep beside each one: its write-ahead log, shared memory and rollback journal, the
// program's lock and compaction copy.
//
// On Linux, closing any descriptor of a file drops every POSIX lock the process holds on it,
// whichever descriptor took them. Another program opening and closing the database would then
// believe itself its last user and take the running program's write-ahead log away. So no path
// that comes from outside (a file dialog, a stored picture, the command line) is ever opened by
// this process when it is one of these files.
namespace held_files {

// Called by the engine adapter as it opens and closes a connection on `database_path`.
void hold(const QString& database_path);
void release(const QString& database_path);

// True when `path` is, on disk, one of the files above (the same device and inode, whatever
// name reaches it), or names one that does not exist yet. Reads file metadata only; opens nothing.
bool is_held(const QString& path);

// The same by name alone, for listing a folder without touching the files in it: the companions,
// not the database itself.
bool is_companion_name(const QString& path);

// The message for a refused path.
QString refusal(const QString& path);

}  // namespace held_files
