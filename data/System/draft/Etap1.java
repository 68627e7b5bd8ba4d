import javax.microedition.lcdui.*;
import javax.microedition.media.*;

/**
 * One level of the game: its data as the studio writes it, its drawing statements and the
 * project's events. The engine that runs it is the class Level in Etap0.java.
 */
public class Etap1 extends Level {
    public Etap1(szor midlet) {
        super(midlet);
    }

    protected void data() {
        Actives a = new Actives();
        placeActive(a.quan_act_gr, a.group_act, a.add_act_gr, a.act_manager_gr,
                a.act_obstacle_gr, a.tileWidthob_gr, a.tileHeightob_gr, a.act_speed, a.act_razg,
                a.act_torm);
        ActiveKinds k = new ActiveKinds();
        defineActive(k.act_upr, k.act_type, k.act_tr_number, a.act_speed_tek,
                new int[][] {k.act_sv_ob1, k.act_sv_ob2, k.act_sv_ob3, k.act_sv_ob4, k.act_sv_ob5});
        animations(new Moving().act_go, new Standing().act_stop, new Attacking().act_dead);
        Backgrounds b = new Backgrounds();
        placeBackgrounds(b.quan_fon_gr, b.group_fon, b.add_fon_gr, b.fon_tileWidth_gr,
                b.fon_tileHeight_gr, b.fon_columns_gr, b.fon_rows_gr, b.fon_manager_gr);
        defineBackgrounds(b.fon_obstacle_gr,
                new int[][] {b.fon_sv_ob1, b.fon_sv_ob2, b.fon_sv_ob3, b.fon_sv_ob4, b.fon_sv_ob5});
        Paths p = new Paths();
        paths(p.act_t, p.act_xt, p.act_yt, p.act_tr);
        Colour c = new Colour();
        colour(c.col_ek1, c.col_ek2, c.col_ek3);
    }

    /** The placed active objects, by placement. */
    final class Actives {
        //quan_act_gr
        //quan_act
        //group_act
        //add_act_gr
        //act_manager_gr
        //act_obstacle_gr
        //tileWidthob_gr
        //tileHeightob_gr
        //act_speed_tek
        //act_speed
        //act_razg
        //act_torm
    }

    /** The active object definitions: starting values and properties. */
    final class ActiveKinds {
        //act_sv1_ob
        //act_sv2_ob
        //act_sv3_ob
        //act_sv4_ob
        //act_sv5_ob
        //act_upr
        //act_type
        //act_uron
        //act_tr_number
    }

    /** Animation frames [direction][placement][slot]: moving. */
    final class Moving {
        //act_go
    }

    /** Animation frames: standing. */
    final class Standing {
        //act_stop
    }

    /** Animation frames: attacking, also played once at death. */
    final class Attacking {
        //act_dead
    }

    /** The placed background objects, by placement, and the background definitions. */
    final class Backgrounds {
        //fon_sv1_ob
        //fon_sv2_ob
        //fon_sv3_ob
        //fon_sv4_ob
        //fon_sv5_ob
        //quan_fon_gr
        //quan_fon
        //fon_obstacle_gr
        //add_fon_gr
        //fon_tileWidth_gr
        //fon_tileHeight_gr
        //fon_columns_gr
        //fon_rows_gr
        //fon_manager_gr
        //group_fon
    }

    /** Paths 1..10 of the level: successors, point counts and points. */
    final class Paths {
        //act_tr
        //act_t
        //act_xt
        //act_yt
    }

    /** The background colour. */
    final class Colour {
        //col_ek1
        //col_ek2
        //col_ek3
    }

    protected void graphicsOver() {
        //graphics.
    }

    protected void script() {
