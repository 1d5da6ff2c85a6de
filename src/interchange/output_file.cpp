// The one place where exports touch the file system.
#include "interchange/output_file.h"

#include "persistence/safe_output_file.h"

namespace nx {

void writeOutputFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
    // Same protection as the document files: the old file survives any failure.
    persistence::SafeOutputFile file(path, "");
    write(file.stream());
    file.commit();
}

}  // namespace nx
