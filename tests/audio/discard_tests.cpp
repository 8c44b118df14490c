// Samples and the discard list: a buffer is deleted only by a flush that finds no source holding it.
// Flushes are run directly here: a load would hand the freed name straight out again and blur what was deleted.
#include "al_fixture.h"

namespace {

class Discard : public OpenALTest {
protected:
    void Flush() { FlushDiscarded(audio.get()); }
};

ALint AttachedBuffer(const gxtkChannel& chan) {
    ALint buffer = -1;
    alGetSourcei(chan.source, AL_BUFFER, &buffer);
    return buffer;
}

TEST_F(Discard, FlushDeletesOnlyUnattachedBuffers) {
    SamplePtr playing = Load(40, "a.wav");
    SamplePtr idle = Load(40, "b.wav");
    const unsigned playingBuffer = playing->buffer, idleBuffer = idle->buffer;
    audio->PlaySample(playing.get(), 0, 1);
    playing.reset();  // the channel still holds it: the sound goes on
    idle.reset();
    EXPECT_EQ(discarded, std::vector<unsigned>{idleBuffer});

    Flush();
    EXPECT_FALSE(alIsBuffer(idleBuffer));
    EXPECT_TRUE(discarded.empty());

    audio->channels[0].sample->Discard();
    Flush();
    EXPECT_TRUE(alIsBuffer(playingBuffer));
    EXPECT_EQ(SourceState(audio->channels[0]), AL_PLAYING);
    EXPECT_EQ(discarded, std::vector<unsigned>{playingBuffer});

    // Stopped by the game: the flush skips idle channels, so the buffer stays attached until the channel plays again.
    audio->StopChannel(0);
    Flush();
    EXPECT_TRUE(alIsBuffer(playingBuffer));
    SamplePtr next = Load(40, "d.wav");
    audio->PlaySample(next.get(), 0, 0);
    Flush();
    EXPECT_FALSE(alIsBuffer(playingBuffer));
    EXPECT_TRUE(discarded.empty());
}

TEST_F(Discard, FinishedOneShotReleasesItsBufferAtTheNextFlush) {
    SamplePtr s = Load(40);
    const unsigned buffer = s->buffer;
    audio->PlaySample(s.get(), 6, 0);
    ASSERT_TRUE(WaitFor([&] { return SourceState(audio->channels[6]) == AL_STOPPED; }));

    // Nothing waits for deletion: the flush asks no source and detaches nothing.
    Flush();
    EXPECT_EQ(AttachedBuffer(audio->channels[6]), static_cast<ALint>(buffer));

    audio->channels[6].sample->Discard();
    s.reset();
    Flush();
    EXPECT_EQ(AttachedBuffer(audio->channels[6]), 0);
    EXPECT_EQ(audio->channels[6].state, 1);  // the flush does not touch states
    EXPECT_FALSE(alIsBuffer(buffer));
    EXPECT_TRUE(discarded.empty());
}

// A 24-bit file loads but its upload is refused; that unread error must not make the flush keep a buffer it did
// delete (the name could be handed out again and later deleted under a new owner).
TEST_F(Discard, EarlierErrorDoesNotKeepDeletedBuffer) {
    SamplePtr doomed = Load(40, "a.wav");
    const unsigned buffer = doomed->buffer;
    SamplePtr deep = audio->LoadSample(dir.Write("deep.wav", wavbuild::Wav(wavbuild::Fmt{1, 1, 8000, 24}, "abcdef")));
    ASSERT_NE(deep, nullptr);
    EXPECT_NE(deep->buffer, 0u);
    doomed.reset();
    Flush();
    EXPECT_FALSE(alIsBuffer(buffer));
    EXPECT_TRUE(discarded.empty());
}

TEST_F(Discard, LoadAndPlayFlush) {
    SamplePtr kept = Load(40, "a.wav");
    Load(40, "b.wav");  // dropped at once
    EXPECT_EQ(discarded.size(), 1u);
    SamplePtr again = Load(40, "c.wav");
    EXPECT_EQ(discarded.size(), 0u);
    again.reset();
    audio->PlaySample(kept.get(), 0, 0);
    EXPECT_TRUE(discarded.empty());
}

TEST_F(Discard, DiscardTwiceQueuesOnce) {
    SamplePtr s = Load(40);
    const unsigned buffer = s->buffer;
    s->Discard();
    s->Discard();
    s.reset();
    EXPECT_EQ(discarded, std::vector<unsigned>{buffer});
}

}  // namespace
