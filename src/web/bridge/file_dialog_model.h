#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/base/platform.h"

namespace kalder::web {

// The Open and Save dialog of the page, over the two folders the browser holds: the player's
// own files (kept in the browser's storage) and the files shipped with the game, which are
// read-only. A collection comes in from the computer by Import and goes out by Download.
class FileDialogModel {
  public:
    // The most a file brought in may hold: far beyond any collection, short of the page's
    // memory.
    static constexpr std::size_t MostImported = 16 * 1024 * 1024;

    // The dialog's own words; the game's texts come with the request.
    static constexpr const char* PlayerGroup = "Your files";
    static constexpr const char* ShippedGroup = "Shipped with the game (read-only)";
    static constexpr const char* FileNameLabel = "File name:";
    static constexpr const char* OpenCaption = "Open";
    static constexpr const char* SaveCaption = "Save";
    static constexpr const char* CancelCaption = "Cancel";
    static constexpr const char* ImportCaption = "Import...";
    static constexpr const char* DownloadCaption = "Download";

    struct Entry {
        std::string name;
        std::string path;
        bool read_only = false;
    };
    // A file handed to the page to be saved on the computer; each request has its own serial,
    // so the page saves the same file twice when asked twice.
    struct Download {
        std::string name;
        std::string content;
        int serial = 0;
    };

    // A file from the computer, as the page read it.
    struct Dropped {
        std::string name;
        std::string content;
    };
    // The file of an "import" event's text: its name, a tab, its content.
    static std::optional<Dropped> dropped_file(const std::string& text);

    FileDialogModel(FileNameRequest request, std::string player_folder, std::string shipped_folder);

    const FileNameRequest& request() const { return request_; }
    // The files the filter accepts, the player's first, each group in name order.
    const std::vector<Entry>& entries() const { return entries_; }
    int selected() const { return selected_; }
    const std::string& file_name() const { return file_name_; }
    // Why the last Open, Save or Import did nothing; "" after one that did.
    const std::string& problem() const { return problem_; }
    bool open() const { return open_; }
    // The chosen file's full path once confirmed; "" when cancelled.
    const std::string& result() const { return result_; }
    const std::optional<Download>& download() const { return download_; }

    // Reads both folders again.
    void refresh();
    // Chooses a listed file; its name goes to the name box.
    void select(int index);
    void set_file_name(const std::string& text);
    // Open or Save: closes the dialog with a full path, or says why it cannot.
    void confirm();
    void cancel();
    // A file from the computer written into the player's folder with the game's safe writer;
    // an existing file of that name with other content is kept, the new one gets a free name.
    // The file is selected; false, saying why, when it is refused.
    bool import_file(const std::string& name, const std::string& content);
    // Hands the selected file to the page to save on the computer.
    void request_download();
    // The download has been handed over.
    void clear_download() { download_.reset(); }

  private:
    bool accepted(const std::string& name) const;
    // The listed file of that name, the player's before the shipped one.
    const Entry* find(const std::string& name) const;
    void select_path(const std::string& path);

    FileNameRequest request_;
    std::string player_folder_;
    std::string shipped_folder_;
    std::vector<Entry> entries_;
    int selected_ = -1;
    std::string file_name_;
    std::string problem_;
    bool open_ = true;
    std::string result_;
    std::optional<Download> download_;
    int downloads_ = 0;
};

// True when the name is a plain file name of the filter's kind: no folder, no hidden or
// control characters, one of the ";"-separated "*.ext" patterns (letters in any case).
bool plain_file_name_of(const std::string& name, const std::string& patterns);

}  // namespace kalder::web
