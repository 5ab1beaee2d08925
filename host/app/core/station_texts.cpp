#include "host/app/core/station_texts.h"

namespace vamo::host {

bool isSystemRange(std::string_view rangeCaption) {
    return rangeCaption == "sys";
}

std::string windowTitle(std::string_view rangeCaption) {
    if (isSystemRange(rangeCaption)) {
        return "压力机试验系统（2000kN）";
    }
    return "压力机试验系统" + std::string(rangeCaption);
}

std::string uploadStatusText(int uploadSwitch) {
    return std::string(stationLabel) + (uploadSwitch == 1 ? " 上传" : " 不上传");
}

std::string methodStatusText(std::string_view methodName) {
    return " 试验类型:" + std::string(methodName);
}

} // namespace vamo::host
