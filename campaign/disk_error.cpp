// The disk messages of both games' error handler.
#include "campaign/disk_error.h"

#include "console/console.h"

namespace morva {

bool show_disk_message(int error, bool not_ready_means_no_disk) {
    using namespace con::err;
    con::locate(con::Col(24), con::Row(23));
    con::color(6);
    const char* message = nullptr;
    if (error == kDeviceUnavailable || (error == kDriveNotReady && not_ready_means_no_disk))
        message = "ＤＩＳＫがセットされてません";
    else if (error == kDiskFull)
        message = "ＤＩＳＫにスペースがないです";
    else if (error == kWriteProtected)
        message = "ＤＩＳＫが書き込み禁止です　";
    if (message == nullptr) return false;
    con::print_string_item(message);
    return true;
}

}  // namespace morva
