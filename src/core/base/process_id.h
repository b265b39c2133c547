#pragma once

namespace kalder {

// This process's id, which names its temporary files.
long own_process_id();
// True when another process with this id runs and may still be writing its temporary file.
bool other_process_running(long pid);

}  // namespace kalder
