// CRamuloRevisionInfo::instance: the data the build captured (kept apart so that a new
// revision recompiles this file alone).
#include "control/ramulo_revision_info.h"
#include "ramulo_revision.h"

const ramulo::CRamuloRevisionInfo& ramulo::CRamuloRevisionInfo::instance() {
    static const ramulo::CRamuloRevisionInfo info([] {
        ramulo::RevisionData d;
        d.workingCopyPath = RAMULO_REVISION_WORKING_COPY_PATH;
        d.workingCopyRoot = RAMULO_REVISION_WORKING_COPY_ROOT;
        d.repositoryPath = RAMULO_REVISION_REPOSITORY_PATH;
        d.repositoryRoot = RAMULO_REVISION_REPOSITORY_ROOT;
        d.repositoryId = RAMULO_REVISION_REPOSITORY_ID;
        d.revisionText = RAMULO_REVISION_REVISION_TEXT;
        d.revisionNumber = RAMULO_REVISION_NUMBER;
        d.nodeKind = RAMULO_REVISION_NODE_KIND;
        d.schedule = RAMULO_REVISION_SCHEDULE;
        d.lastChangeAuthor = RAMULO_REVISION_LAST_CHANGE_AUTHOR;
        d.lastChangeRevisionText = RAMULO_REVISION_LAST_CHANGE_REVISION_TEXT;
        d.lastChangeRevisionNumber = RAMULO_REVISION_LAST_CHANGE_NUMBER;
        d.lastChangeDate = RAMULO_REVISION_LAST_CHANGE_DATE;
        d.versioned = RAMULO_REVISION_VERSIONED != 0;
        return d;
    }());
    return info;
}
