// CRamuloRevisionInfo: the revision data captured from version control when the module was built.
#pragma once

#include <string>

#include "control/revision_info.h"

namespace ramulo {

struct RevisionData {
    std::string workingCopyPath;
    std::string workingCopyRoot;
    std::string repositoryPath;
    std::string repositoryRoot;
    std::string repositoryId;
    std::string revisionText;
    long revisionNumber = 0;
    std::string nodeKind;
    std::string schedule;
    std::string lastChangeAuthor;
    std::string lastChangeRevisionText;
    long lastChangeRevisionNumber = 0;
    // "2026-12-10 17:40:46 +0000 (Thu, 10 Dec 2026)"
    std::string lastChangeDate;
    // False for a build outside a checkout; the texts then say so.
    bool versioned = false;
};

// The short date inside a full date text: after the first ", " that follows "(", up to the
// next ")". Empty when the text has no such part.
std::string shortDateOf(const std::string& fullDate);

class CRamuloRevisionInfo : public nx::IRevisionInfo {
public:
    explicit CRamuloRevisionInfo(RevisionData data);

    long revisionNumber() const override { return data_.revisionNumber; }
    std::string revisionText() const override { return data_.revisionText; }
    long lastChangeRevisionNumber() const override { return data_.lastChangeRevisionNumber; }
    std::string lastChangeRevisionText() const override { return data_.lastChangeRevisionText; }
    std::string shortDate() const override { return shortDate_; }

    const RevisionData& data() const { return data_; }

    // The one instance of the process, filled from the build's captured data on first use.
    static const CRamuloRevisionInfo& instance();

private:
    RevisionData data_;
    std::string shortDate_;
};

}  // namespace ramulo
