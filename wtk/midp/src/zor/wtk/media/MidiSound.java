package zor.wtk.media;

import javax.sound.midi.MidiSystem;
import javax.sound.midi.Receiver;
import javax.sound.midi.Sequence;
import javax.sound.midi.Sequencer;

/** A sequencer of its own feeding the shared synthesizer. */
final class MidiSound implements Sound {
    private final Sequencer sequencer;

    private MidiSound(Sequencer sequencer) {
        this.sequencer = sequencer;
    }

    static Sound open(Sequence sequence) {
        Receiver receiver = Synth.receiver();
        if (receiver == null) {
            return null;
        }
        try {
            Sequencer sequencer = MidiSystem.getSequencer(false);
            sequencer.open();
            sequencer.getTransmitter().setReceiver(receiver);
            sequencer.setSequence(sequence);
            return new MidiSound(sequencer);
        } catch (Exception e) {
            return null;
        }
    }

    public void play(long fromMicros) {
        sequencer.setMicrosecondPosition(fromMicros);
        sequencer.start();
    }

    public void pause() {
        sequencer.stop();
    }

    public void close() {
        sequencer.close();
    }

    public void volume(int level, boolean muted) {
        Synth.volume(level, muted);
    }
}
