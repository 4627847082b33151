// Many hands on one switcher, the whole panel against the simulator: a second TCP client
// does what another hand would (routes left pending, presets stored again), and the
// switcher's own state, read by that client, shows that the panel's lines put in force
// only what its operator asked for and never changed a protected output.
#include <QTcpSocket>
#include <algorithm>
#include <array>

#include "SwitcherSession.h"
#include "link/AnswerFrame.h"

namespace vx::test {
namespace {

class ManyHandsSession : public SwitcherSession {
protected:
    // Sends lines as another client; the answer to the last one, bytes as received.
    QByteArray Other(const QByteArray& lines) {
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(sim->TcpPort()));
        if (!other.waitForConnected(2000)) return {};
        other.write(lines);
        other.flush();
        QByteArray answers;
        for (int tries = 0; tries < 40 && answers.count('#') < lines.count('\r'); ++tries) {
            other.waitForReadyRead(200);
            answers += other.readAll();
        }
        return answers;
    }
    // The switcher's routes and inputs in force, as another client reads them.
    struct Held {
        std::array<RouteEntry, MaxOutputs> Routes{};
        std::array<byte, MaxOutputs> InForce{};
    };
    Held AtSwitcher() {
        Held h;
        const QByteArray routes = Other("OINFOVX\r");
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(routes.constData()),
                              static_cast<std::size_t>(routes.size()));
        if (auto at = LocatePayload(bytes, 2 * MaxOutputs))
            for (int o = 0; o < MaxOutputs; ++o)
                h.Routes[o] = {bytes[*at + 2 * o], bytes[*at + 2 * o + 1]};
        const QByteArray prev = Other("OPINFOVX\r");
        const std::span pb(reinterpret_cast<const std::uint8_t*>(prev.constData()),
                           static_cast<std::size_t>(prev.size()));
        if (auto at = LocatePayload(pb, MaxOutputs))
            for (int o = 0; o < MaxOutputs; ++o) h.InForce[o] = pb[*at + o];
        return h;
    }
    // The model against the switcher, route by route.
    void ExpectShownAsHeld() {
        const Held h = AtSwitcher();
        for (int o = 0; o < MaxOutputs; ++o) {
            EXPECT_EQ(form->Core().Model().Routes[o].Input, h.Routes[o].Input) << "output " << o + 1;
            EXPECT_EQ(form->Core().Model().Routes[o].Committed, h.Routes[o].Committed) << "output " << o + 1;
        }
    }
};

struct Reason {
    const char* Name;
    bool Protect, Follow;
};

class ATakeOnASharedSwitcher : public ManyHandsSession, public testing::WithParamInterface<Reason> {};

TEST_P(ATakeOnASharedSwitcher, PutsInForceOnlyTheOperatorsRoute) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    if (GetParam().Protect) form->Core().ProtectOutputClick(0);
    if (GetParam().Follow) form->Core().SetFollow({true, 60});
    const Held before = AtSwitcher();
    Other("RTEMP 1 7\r");  // another hand: output 1 from input 7, pending
    Route(3, 5);
    const Held after = AtSwitcher();
    EXPECT_EQ(after.InForce[0], before.InForce[0]) << "output 1 not put in force";
    EXPECT_EQ(after.Routes[0].Input, 6);
    EXPECT_EQ(after.Routes[0].Committed, 0) << "the other hand's route stays pending";
    EXPECT_EQ(after.Routes[2].Input, 4);
    EXPECT_EQ(after.Routes[2].Committed, 1);
    EXPECT_EQ(form->StatusText(), "Pending elsewhere, kept pending and not taken: output 1.");
    ExpectShownAsHeld();
    EXPECT_TRUE(prompts.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(ManyHands, ATakeOnASharedSwitcher,
                         testing::Values(Reason{"OutputProtected", true, false}, Reason{"FollowOn", false, true}),
                         [](const testing::TestParamInfo<Reason>& info) { return std::string(info.param.Name); });

// Preset 2 as the panel stored it leaves output 1 on input 2; another hand stores it again
// with input 9 there. Output 1 is protected.
class AConfirmOnASharedSwitcher : public ManyHandsSession {
protected:
    void SetUp() override {
        Start();
        ASSERT_NO_FATAL_FAILURE(ConnectSerial());
        Other("RTEMP 1 2\rTAKE 1\r");
        form->Core().ReadfromVextaros1Click();
        form->Core().PresetsSaveButtonClick();
        form->Core().PresetButtonClick(1);
    }
    void ConfirmPreset2() {
        form->Core().ProtectOutputClick(0);
        form->Core().PresetsRecallButtonClick();
        form->Core().PresetButtonClick(1);
        ASSERT_EQ(form->Core().Model().PreviewActive, 1) << "the panel's copy leaves output 1 alone";
        from = WireWithLinks().size();
        form->Core().PresetRecallConfirmButtonClick();
    }
    std::string SentSince() const {
        std::string sent;
        for (const auto& l : WireWithLinks(from)) sent += l.text + "|";
        return sent;
    }
    std::size_t from = 0;
};

TEST_F(AConfirmOnASharedSwitcher, ThatWouldChangeAProtectedOutputIsRefused) {
    Other("RTEMP 1 9\rTAKE 1\rPRST 2\rRTEMP 1 2\rTAKE 1\r");
    ASSERT_NO_FATAL_FAILURE(ConfirmPreset2());
    EXPECT_EQ(form->StatusText(), "Preset 2 not recalled: it would change protected output 1.") << SentSince();
    EXPECT_EQ(AtSwitcher().InForce[0], 1) << "input 2 stays on air";
    form->Core().PresetRecallCancelButtonClick();
    ExpectShownAsHeld();
}

TEST_F(AConfirmOnASharedSwitcher, NeverPutsTheStaleCopyOnAProtectedOutput) {
    // Input 9 in force on output 1 and in preset 2, both done elsewhere since the panel
    // looked: the recall leaves output 1 as it is, and nothing follows it there.
    Other("RTEMP 1 9\rTAKE 1\rPRST 2\r");
    ASSERT_NO_FATAL_FAILURE(ConfirmPreset2());
    EXPECT_EQ(SentSince(), "OPINFOVX|PINFOVX 1|RPRST 2 1|");
    EXPECT_EQ(AtSwitcher().InForce[0], 8);
    ExpectShownAsHeld();
}

TEST_F(ManyHandsSession, AFileOpenedWithFollowOnIsNotBlamedOnTheSwitcher) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    const std::string file = Path("routes.vx").toStdString();
    prompts.savePaths = {file};
    form->Core().SaveConfigurationtoFile1Click();
    Route(3, 5);
    form->Core().SetFollow({true, 1});
    prompts.openPaths = {file};
    form->Core().OpenConfigurationFile1Click();
    const std::size_t from = WireWithLinks().size();
    ASSERT_TRUE(EventsUntil(
        [&] {
            const auto w = WireWithLinks(from);
            return std::count_if(w.begin(), w.end(), [](const WireLine& l) { return l.text == "OINFOVX"; }) >= 2;
        },
        8000));
    EXPECT_EQ(form->Core().Model().Routes[2].Input, 4);
    EXPECT_EQ(form->StatusText().indexOf("changed at the switcher"), -1) << form->StatusText().toStdString();
    ExpectShownAsHeld();
}

}  // namespace
}  // namespace vx::test
