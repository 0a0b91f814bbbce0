#include "commands/transfer_command.h"

#include "commands/command_settings.h"
#include "commands/device_host.h"
#include "commands/download_command.h"
#include "commands/eligibility.h"

namespace kesto {

bool TransferCommand::deviceFormat(const Song& song) {
    return song.File_Format == 3 || song.File_Format == 4 || song.File_Format == 9;
}

bool TransferCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    if (!deviceReady(box))
        return false;
    EligibilityRules rules;
    rules.emptySelection = CommandText::TransferEmpty;
    rules.verdict = [](const Song& song) {
        if (song.isLocal())
            return deviceFormat(song) ? Verdict::take() : Verdict::refuse(CommandText::TransferLocalFile);
        return song.isMp3Bell() ? Verdict::refuse(CommandText::BellFromBellListOnly) : Verdict::take();
    };
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs || !allOnThisPc(box, *songs))
        return false;
    return DeviceHost(context_.serviceA)
        .transfer(songs->records(), CommandSettings(context_.settings).transferWriteFlag());
}

bool TransferCommand::deviceReady(const CommandBox& box) const {
    const DeviceHost host(context_.serviceA);
    if (device_ == Device::Phone) {
        if (context_.hooks.transferRunning && context_.hooks.transferRunning()) {
            box.stop(CommandText::TransferBusy);
            return false;
        }
        if (!host.phoneConnected()) {
            box.stop(CommandText::PhoneNotConnected);
            return false;
        }
        return true;
    }
    if (!host.mp3PlayerConnected()) {
        box.stop(origin_ == CommandOrigin::PanelMessage ? CommandText::Mp3PlayerNotConnectedPanel
                                                        : CommandText::Mp3PlayerNotConnected);
        return false;
    }
    return true;
}

bool TransferCommand::allOnThisPc(const CommandBox& box, const Selection& songs) const {
    Selection missing;
    const auto& onThisPc = context_.hooks.onThisPc;
    for (const ChosenSong& song : songs.songs())
        if (song.record.isStreaming() && !(onThisPc && onThisPc(song.record)))
            missing.add(song.record, song.position);
    if (missing.empty())
        return true;
    if (box.confirm(CommandText::TransferNotDownloaded))
        DownloadCommand(context_).run(missing);
    return false;
}

} // namespace kesto
