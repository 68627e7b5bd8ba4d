package zor.wtk.media;

import javax.microedition.media.control.ToneControl;
import javax.sound.midi.InvalidMidiDataException;
import javax.sound.midi.MidiEvent;
import javax.sound.midi.Sequence;
import javax.sound.midi.ShortMessage;
import javax.sound.midi.Track;

/** Turns a tone sequence (the ToneControl byte format) into MIDI with one tick a millisecond. */
final class ToneSequence {
    private static final int CHANNEL = 0;
    private static final int SQUARE_LEAD = 80;

    private final byte[] data;
    private final int[] blockStart = new int[128];
    private final Track track;
    private double msPerUnit;
    private long tick;
    private int velocity = 127;

    private ToneSequence(byte[] data, Track track) {
        this.data = data;
        this.track = track;
    }

    static Sequence parse(byte[] data) {
        try {
            Sequence sequence = new Sequence(Sequence.PPQ, 500);
            ToneSequence parser = new ToneSequence(data, sequence.createTrack());
            parser.run();
            return sequence;
        } catch (InvalidMidiDataException | ArrayIndexOutOfBoundsException e) {
            throw new IllegalArgumentException("broken tone sequence");
        }
    }

    static Sequence silence() {
        return parse(new byte[] {ToneControl.VERSION, 1});
    }

    private void run() throws InvalidMidiDataException {
        if (data.length < 2 || data[0] != ToneControl.VERSION || data[1] != 1) {
            throw new IllegalArgumentException("a tone sequence starts with VERSION 1");
        }
        int p = 2;
        int tempo = 30;
        int resolution = 64;
        if (p < data.length && data[p] == ToneControl.TEMPO) {
            tempo = check(data[p + 1], 5, 127);
            p += 2;
        }
        if (p < data.length && data[p] == ToneControl.RESOLUTION) {
            resolution = check(data[p + 1], 1, 127);
            p += 2;
        }
        msPerUnit = 240000.0 / (tempo * 4 * resolution);
        java.util.Arrays.fill(blockStart, -1);
        while (p < data.length && data[p] == ToneControl.BLOCK_START) {
            int block = check(data[p + 1], 0, 127);
            blockStart[block] = p + 2;
            p += 2;
            while (!(data[p] == ToneControl.BLOCK_END && data[p + 1] == block)) {
                p += 2;
            }
            p += 2;
        }
        track.add(new MidiEvent(
                new ShortMessage(ShortMessage.PROGRAM_CHANGE, CHANNEL, SQUARE_LEAD, 0), 0));
        play(p, -1, 0);
    }

    /** Plays events from p to the end of the data or of the block. */
    private void play(int p, int block, int depth) throws InvalidMidiDataException {
        if (depth > 32) {
            throw new IllegalArgumentException("tone blocks nested too deep");
        }
        while (p < data.length) {
            int event = data[p];
            int value = data[p + 1];
            if (event == ToneControl.BLOCK_END) {
                if (value != block) {
                    throw new IllegalArgumentException("block end without its start");
                }
                return;
            } else if (event == ToneControl.PLAY_BLOCK) {
                if (blockStart[check(value, 0, 127)] < 0) {
                    throw new IllegalArgumentException("no tone block " + value);
                }
                play(blockStart[value], value, depth + 1);
            } else if (event == ToneControl.SET_VOLUME) {
                velocity = check(value, 0, 100) * 127 / 100;
            } else if (event == ToneControl.REPEAT) {
                int count = check(value, 2, 127);
                p += 2;
                for (int i = 0; i < count; i++) {
                    note(data[p], data[p + 1]);
                }
            } else {
                note(event, value);
            }
            p += 2;
        }
        if (block >= 0) {
            throw new IllegalArgumentException("tone block " + block + " not ended");
        }
    }

    private void note(int note, int units) throws InvalidMidiDataException {
        check(note, -1, 127);
        long length = Math.round(check(units, 1, 127) * msPerUnit);
        if (note != ToneControl.SILENCE) {
            track.add(new MidiEvent(
                    new ShortMessage(ShortMessage.NOTE_ON, CHANNEL, note, velocity), tick));
            track.add(new MidiEvent(
                    new ShortMessage(ShortMessage.NOTE_OFF, CHANNEL, note, 0), tick + length));
        }
        tick += length;
        // Silence at the end still counts: the end-of-track marker moves with it.
        track.add(new MidiEvent(
                new ShortMessage(ShortMessage.CONTROL_CHANGE, CHANNEL, 110, 0), tick));
    }

    private static int check(int value, int min, int max) {
        if (value < min || value > max) {
            throw new IllegalArgumentException(
                    "tone sequence value " + value + " outside " + min + ".." + max);
        }
        return value;
    }
}
